// A character keeps its per-level data in 61 slots: one per level up to 40,
// then one per half level up to 50. Slots 0 to 4 come before the first
// playable level and are only used while computing a career plan.
#pragma once

namespace level_slot {

constexpr int kCount = 61;
constexpr int kLast = 60;  // level 50, and the only slot single mode uses
constexpr float kMinLevel = 5.0f;
constexpr float kMaxLevel = 50.0f;

// Levels outside 0..50 (and NaN) give the nearest end slot.
int SlotOfLevel(float level);
// The level a slot stands for; slots outside 0..60 are clamped first.
float LevelOfSlot(int slot);

}  // namespace level_slot
