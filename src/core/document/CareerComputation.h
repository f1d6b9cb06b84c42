// The career computation: what a line costs, what auto-train masks save and
// the career plan (line levels and points left per slot) from a character's
// plan entries, respecs and auto-train masks. Works on plain data, so that the
// document only gathers its fields and keeps the result.
//
// Auto-train masks: bit i (1..11) of a mask is the free step from line level
// i to i + 1, granted at character level 4 * (i + 1); bit 0 stands for line
// level 1 and is set whenever any step is. Bits above 11 mean nothing and are
// ignored throughout.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/CNamedValueList.h"
#include "document/LevelSlot.h"

// Skill levels of the auto-train step table: skill 1 is what every line has,
// skills 2..12 are the steps (skill k is bit k - 1).
constexpr int kAutoTrainSkills = 12;
constexpr int kAutoTrainHighestStepBit = kAutoTrainSkills - 1;
constexpr std::uint32_t kAutoTrainUsedBits = 0xFFFu;
// The steps alone, without bit 0.
constexpr std::uint32_t kAutoTrainStepBits = kAutoTrainUsedBits & ~1u;

// Whether a mask has `bit` set; false for any bit outside 0..11.
constexpr bool HasAutoTrainBit(std::uint32_t mask, int bit)
{
    return bit >= 0 && bit <= kAutoTrainHighestStepBit && ((mask >> bit) & 1u) != 0;
}

// A point count kept to 32 bits: the sums below are taken in 64 bits.
std::int32_t SaturatedPoints(std::int64_t points);

// The points a line at `level` has cost, 2 + 3 + ... + level (0 up to level
// 1), exact for every 32-bit level.
std::int64_t ExactSkillPointCost(std::int64_t level);
// The same, kept to 32 bits.
std::int32_t SkillPointCost(std::int32_t level);

// The points the taken steps of a mask save by a character level: step i
// (bit i, 1..11) gives i + 1 once the level reaches 4 * (i + 1).
std::int32_t AutoTrainAllowance(int characterLevel, std::int32_t mask);

template <typename T> using SlotArray = std::array<T, level_slot::kCount>;

// What the career plan is computed from.
struct CareerInput {
    const std::vector<std::string>& lines;  // the class's lines: style lines, then spell lines
    const SlotArray<std::int32_t>& earned;  // the points earned up to each slot's level
    const SlotArray<CNamedValueList>& plan;
    const SlotArray<std::uint8_t>& respecAt;
    const CNamedValueList& autoTrainMasks;
};

// Sets the level of every line at every slot (0 for a level below 1) and the
// points left at every slot. Entries of `levels` for names that are not lines
// are kept.
//
// Throughout, the points left at a slot are kept equal to the points earned
// there minus what the line levels at that slot cost, plus the auto-train
// allowance of the masks at that level: every change of a level below pays or
// refunds its cost difference.
void ComputeCareer(const CareerInput& input, SlotArray<CNamedValueList>& levels,
                   SlotArray<std::int32_t>& pointsLeft);
