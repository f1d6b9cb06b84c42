// Auto-train masks: which of the free steps of an auto-train line the player
// takes, the minimum level they give, their short text (shown and typed), the
// German description the dialog lists and the rules of the field that edits a
// mask on the skills page. The mask bits and the points a mask saves
// (AutoTrainAllowance) belong to the career computation.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/CareerComputation.h"

// The character levels at which a line holds each skill level, skill 1 first.
inline constexpr std::array<std::string_view, kAutoTrainSkills> kAutoTrainStepLevels = {
    "1-7", "8-11", "12-15", "16-19", "20-23", "24-27", "28-31", "32-35", "36-39", "40-43", "44-47", "48-50",
};
// The entry of skill 1..12; empty for any other number.
std::string_view AutoTrainStepLevels(int skill);

// The line level the taken steps keep the line at by character level L (whose
// steps are the bits below L / 4): the highest such set bit plus one, 0 when
// none is set.
int AutoTrainMinimum(int characterLevel, std::uint32_t mask);

// Runs of set steps as "bis 4", "6-8" or "10", separated by ","; "no" when no
// step is set. The same words in every language. Bit 0 is not shown.
std::string AutoTrainSummary(std::uint32_t mask);

// Reads a short text back into a mask. Blanks are dropped; items are separated
// by "," or ";". An item is "N", "N-M", "N bis M" (also "to", "until", in any
// case), or "-M" / "bis M", which runs from the end of the previous item (0 for
// the first) to M. A range from s to e sets bits s - 1 .. e - 1 (at least 0, at
// most 11); bits at or above characterLevel / 4 are cleared at the end.
//
// What cannot be read is ignored, never guessed at:
// - an item is read from its start as far as it fits the forms above, the rest
//   of the item is dropped ("4x" is 4, "4-6-8" is 4-6); an item that does not
//   start with a number, "-" or one of the words (letters, "", "x4") is skipped
//   and does not move the end used by a following "-M";
// - "N-" or "N bis" without a readable M is N alone; "-" or "bis" alone is skipped;
// - a range written backwards ("8-6") covers the same steps as "6-8";
// - 0 and numbers above 12 set only the steps they reach ("0" nothing,
//   "10-20" 10-12, "13" nothing); digits beyond any sensible number saturate,
//   so huge numbers cannot overflow.
// Bit 0 is added whenever a step bit is set, as a mask always carries it then;
// so reading the summary of a mask gives the mask back. A lone bit 0 ("1",
// "bis 1") is kept as read.
std::uint32_t ParseAutoTrainText(std::string_view text, int characterLevel);

// The dialog's description, German whatever the interface language
// (Windows-1252): the points saved at level 50, then for every run of set bits
// the level up to which the line may be trained at most to the run's start and
// the level up to which it must not be trained.
std::vector<std::string> AutoTrainDescription(std::uint32_t mask);

// The mask for every set of ticked step boxes: bit k - 1 for skill k, plus bit 0
// when any is ticked.
std::uint32_t AutoTrainMaskFromSteps(std::uint32_t stepBits);

// The auto-train field of the skills page holds a mask limited to `maximum`
// steps (0..12). Keeps the bits below the maximum. A lone bit 0 says "no step"
// and becomes 0: the field must show what the document counts, and any step it
// added would credit points the user never chose.
std::uint32_t AutoTrainFieldValue(std::uint32_t mask, int maximum);

// One spin of the field by delta: the number of steps n (highest set bit + 1)
// moves to n + delta; one step (bit 0 alone, nothing taken) is skipped, to two
// going up and to none going down; then n is kept within minimum..maximum (the
// maximum wins over a larger minimum) and the mask holds every step up to n.
// A range that leaves exactly one step gives 0 for the same reason as above.
std::uint32_t AutoTrainFieldStep(std::uint32_t mask, int delta, int minimum, int maximum);
