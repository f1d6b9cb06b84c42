#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "pages/skills/AutoTrainRules.h"

namespace {

// Masks in hex: bit k is the step to skill k + 1, bit 0 goes with any step (0xFFF: all of them).

TEST(AutoTrainRules, StepLevelsAndMinimum)
{
    for (const auto& [skill, text] :
         {std::pair{0, ""}, {1, "1-7"}, {2, "8-11"}, {11, "44-47"}, {12, "48-50"}, {13, ""}})
        EXPECT_EQ(AutoTrainStepLevels(skill), text) << skill;

    const std::tuple<int, std::uint32_t, int> minimums[] = {
        {30, 0x1F, 5}, {30, 0x7FF, 7},  {30, 0, 0},          {3, 0xFFF, 0},
        {4, 0xFFF, 1}, {50, 0xFFF, 12}, {50, 0x80001001, 1}, {-8, 0xFFF, 0}};
    for (const auto& [level, mask, minimum] : minimums)
        EXPECT_EQ(AutoTrainMinimum(level, mask), minimum) << level << " " << mask;
}

TEST(AutoTrainRules, SummaryOfRuns)
{
    const std::pair<std::uint32_t, const char*> cases[] = {
        {0, "no"},          {1, "no"}, {0xEE, "bis 4,6-8"}, {2, "bis 2"}, {5, "3"}, {0x80A, "bis 2,4,12"},
        {0x101C00, "11-12"}};
    for (const auto& [mask, text] : cases)
        EXPECT_EQ(AutoTrainSummary(mask), text) << mask;
}

TEST(AutoTrainRules, ParseReadsWhatItCanAndSkipsTheRest)
{
    // "-M" runs from the end of the previous item ("4,-8"); a skipped item does not move that end.
    const std::tuple<const char*, int, std::uint32_t> cases[] = {{"bis 4, 6-8", 50, 0xEF},
                                                                 {"BIS 4;Until 6", 50, 0x3F},
                                                                 {"6", 50, 0x21},
                                                                 {"1-12", 47, 0x7FF},
                                                                 {"bis 4", 7, 1},
                                                                 {"4x", 50, 9},
                                                                 {"8-6", 50, 0xE1},
                                                                 {"4-", 50, 9},
                                                                 {"0", 50, 0},
                                                                 {"10-20", 50, 0xE01},
                                                                 {"2-99999999999999999999999", 50, 0xFFF},
                                                                 {"\xFC\x34", 50, 0},
                                                                 {"4,-8", 50, 0xF9},
                                                                 {"x,-4", 50, 0xF}};
    for (const auto& [text, level, mask] : cases)
        EXPECT_EQ(ParseAutoTrainText(text, level), mask) << '"' << text << "\" at " << level;
}

TEST(AutoTrainRules, ParseReadsBackTheSummaryOfEveryMask)
{
    for (std::uint32_t steps = 0; steps < (1u << 11); ++steps) {
        const std::uint32_t mask = steps != 0 ? (steps << 1) | 1u : 0u;
        const std::string text = AutoTrainSummary(mask);
        ASSERT_EQ(ParseAutoTrainText(text, 50), mask) << text;
        const std::uint32_t cut = mask & 0x7F;
        ASSERT_EQ(ParseAutoTrainText(text, 30), cut == 1u ? 0u : cut) << text;
    }
}

TEST(AutoTrainRules, DescriptionListsThePointsAndTheLimits)
{
    const auto points = [](int n) {
        return "Sie haben " + std::to_string(n) + " Spezialisierungspunkte gespart";
    };
    const auto atMost = [](int level, int skill) {
        return "Bis Level " + std::to_string(level) + " d\xFCrfen sie maximal auf " + std::to_string(skill) +
               " Skillen.";
    };
    const auto none = [](int level) {
        return "Bis Level " + std::to_string(level) + " d\xFCrfen sie nicht skillen.";
    };
    const std::pair<std::uint32_t, std::vector<std::string>> cases[] = {
        {0, {points(0)}},
        {0xF, {points(9), none(16)}},
        {0x21, {points(6), atMost(24, 5)}},
        {0x803, {points(14), none(8), atMost(48, 11)}},
        {0xFFF, {points(77), none(48)}},
    };
    for (const auto& [mask, lines] : cases)
        EXPECT_EQ(AutoTrainDescription(mask), lines) << mask;
}

TEST(AutoTrainRules, FieldValuesAndSteps)
{
    const std::tuple<std::uint32_t, int, std::uint32_t> values[] = {
        {0x1FFF, 12, 0xFFF}, {0xFFF, 5, 0x1F}, {0x21, 5, 0},     {1, 12, 0},
        {0x3F, 0, 0},        {0x3F, -3, 0},    {0x3F, 40, 0x3F}, {0x20, 12, 0x20}};
    for (const auto& [mask, maximum, value] : values)
        EXPECT_EQ(AutoTrainFieldValue(mask, maximum), value) << mask << " max " << maximum;

    const std::tuple<std::uint32_t, int, int, int, std::uint32_t> steps[] = {
        {0, +1, 0, 12, 3},       {3, -1, 0, 12, 0},  // one step is skipped either way
        {0x21, +1, 0, 12, 0x7F}, {0x21, -1, 0, 12, 0x1F}, {0xFFF, +1, 0, 12, 0xFFF}, {0, -1, 0, 12, 0},
        {0, +1, 4, 12, 0xF},     {0x3FF, +1, 0, 6, 0x3F}, {0, +1, 8, 6, 0x3F},       {0, +1, 0, 1, 0},
        {0, +100, 0, 40, 0xFFF}, {0xFFF, -100, 0, 12, 0}};
    for (const auto& [mask, delta, minimum, maximum, result] : steps)
        EXPECT_EQ(AutoTrainFieldStep(mask, delta, minimum, maximum), result)
            << mask << " " << delta << " in " << minimum << ".." << maximum;
}

}  // namespace
