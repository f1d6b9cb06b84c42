#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "document/CQuillmarDoc.h"
#include "pages/skills/AutoTrainRules.h"

namespace {

// Bits from..to set.
constexpr std::uint32_t Bits(int from, int to)
{
    std::uint32_t mask = 0;
    for (int bit = from; bit <= to; ++bit)
        mask |= 1u << bit;
    return mask;
}

constexpr std::uint32_t Bit(int bit)
{
    return 1u << bit;
}

// The masks the program makes: bit 0 exactly when some step is set.
std::uint32_t Normalised(std::uint32_t steps)
{
    steps &= 0xFFEu;
    return steps != 0 ? steps | 1u : 0u;
}

TEST(AutoTrainStepTable, EachSkillCoversTheFourLevelsOfItsStep)
{
    for (int skill = 2; skill <= 11; ++skill) {
        const std::string expected = std::to_string(4 * skill) + "-" + std::to_string(4 * skill + 3);
        EXPECT_EQ(AutoTrainStepLevels(skill), expected) << skill;
    }
    EXPECT_EQ(AutoTrainStepLevels(1), "1-7");
    EXPECT_EQ(AutoTrainStepLevels(12), "48-50");
    EXPECT_EQ(AutoTrainStepLevels(0), "");
    EXPECT_EQ(AutoTrainStepLevels(13), "");
}

struct AllowanceCase {
    int level;
    std::uint32_t mask;
    int expected;
};

TEST(AutoTrainAllowance, CountsTheStepsReachedByTheLevel)
{
    const AllowanceCase cases[] = {
        {7, Bits(0, 11), 0},       // 7 / 4 = 1: no step yet
        {8, Bits(0, 1), 2},        // the first step, 1 -> 2
        {8, Bits(0, 11), 2},       // later steps not reached
        {20, Bits(0, 4), 14},      // 2 + 3 + 4 + 5
        {50, Bits(0, 11), 77},     // 2 + ... + 12
        {50, Bit(0), 0},           // bit 0 alone saves nothing
        {50, Bit(0) | Bit(5), 6},  // skill 6 alone
        {3, Bits(0, 11), 0},
    };
    for (const AllowanceCase& c : cases)
        EXPECT_EQ(CQuillmarDoc::AutoTrainAllowance(c.level, static_cast<std::int32_t>(c.mask)), c.expected)
            << c.level << " " << c.mask;
}

TEST(AutoTrainMinimum, IsTheHighestStepReachedPlusOne)
{
    const AllowanceCase cases[] = {
        {30, Bits(0, 4), 5},
        {30, Bits(0, 10), 7},  // only bits up to 30 / 4 - 1 = 6 count
        {30, 0, 0},
        {30, Bit(0), 1},
        {3, Bits(0, 11), 0},  // below level 4 nothing counts
        {4, Bits(0, 11), 1},
        {50, Bits(0, 11), 12},
        {50, Bit(0) | Bit(5), 6},
        {50, Bit(0) | Bit(12) | Bit(31), 1},  // unused bits mean nothing
        {-8, Bits(0, 11), 0},
    };
    for (const AllowanceCase& c : cases)
        EXPECT_EQ(AutoTrainMinimum(c.level, c.mask), c.expected) << c.level << " " << c.mask;
}

struct SummaryCase {
    std::uint32_t mask;
    const char* text;
};

TEST(AutoTrainSummary, WritesRunsOfSteps)
{
    const SummaryCase cases[] = {
        {0, "no"},
        {Bit(0), "no"},
        {Bits(0, 3) | Bits(5, 7), "bis 4,6-8"},
        {Bits(1, 3) | Bits(5, 7), "bis 4,6-8"},  // bit 0 is not shown
        {Bit(9), "10"},
        {Bit(1), "bis 2"},
        {Bit(0) | Bit(5), "6"},
        {Bit(2), "3"},
        {Bits(2, 3), "3-4"},
        {Bits(0, 11), "bis 12"},
        {Bit(1) | Bit(3) | Bit(5) | Bit(11), "bis 2,4,6,12"},
        {Bits(10, 11), "11-12"},
        {Bits(0, 11) | Bit(12) | Bit(20), "bis 12"},  // a run stops at the last used bit
    };
    for (const SummaryCase& c : cases)
        EXPECT_EQ(AutoTrainSummary(c.mask), c.text) << c.mask;
}

struct ParseCase {
    const char* text;
    int level;
    std::uint32_t mask;
};

TEST(ParseAutoTrainText, ReadsTheShortForms)
{
    const ParseCase cases[] = {
        {"bis 4, 6-8", 50, Bits(0, 3) | Bits(5, 7)},
        {"bis4,6-8", 50, Bits(0, 3) | Bits(5, 7)},
        {"BIS 4", 50, Bits(0, 3)},
        {"Until 4", 50, Bits(0, 3)},
        {"to 4", 50, Bits(0, 3)},
        {"2 to 4", 50, Bits(0, 3)},
        {"6 bis 8", 50, Bit(0) | Bits(5, 7)},
        {"6 until 8; 10", 50, Bit(0) | Bits(5, 7) | Bit(9)},
        {"6", 50, Bit(0) | Bit(5)},         // a single number is its step; bit 0 comes with it
        {"4,-8", 50, Bit(0) | Bits(3, 7)},  // "-8" runs on from the end of the previous item
        {"4,bis 8", 50, Bit(0) | Bits(3, 7)},
        {"-3", 50, Bits(0, 2)},  // from 0 for the first item
        {"1-12", 50, Bits(0, 11)},
        {"1", 50, Bit(0)},  // skill 1 alone, as read
        {"no", 50, 0},
        {"", 50, 0},
        // The level clears the steps it has not reached.
        {"1-12", 48, Bits(0, 11)},
        {"1-12", 47, Bits(0, 10)},
        {"1-12", 30, Bits(0, 6)},
        {"10", 39, 0},
        {"bis 4", 7, Bit(0)},
        {"bis 4", 3, 0},
        {"bis 4", -20, 0},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseAutoTrainText(c.text, c.level), c.mask) << '"' << c.text << "\" at " << c.level;
}

TEST(ParseAutoTrainText, IgnoresWhatCannotBeRead)
{
    const ParseCase cases[] = {
        {"abc", 50, 0},
        {"x4", 50, 0},
        {"4x", 50, Bit(0) | Bit(3)},  // the readable start of an item counts
        {"4-6-8", 50, Bit(0) | Bits(3, 5)},
        {"8-6", 50, Bit(0) | Bits(5, 7)},  // backwards: the same steps
        {"10,-6", 50, Bit(0) | Bits(5, 9)},
        {"4-", 50, Bit(0) | Bit(3)},
        {"4bis", 50, Bit(0) | Bit(3)},
        {"-", 50, 0},
        {"bis", 50, 0},
        {"--4", 50, 0},
        {",,;", 50, 0},
        {"3,,5", 50, Bit(0) | Bit(2) | Bit(4)},  // empty items are skipped
        {"x,-4", 50, Bits(0, 3)},                // a skipped item does not move the start
        {"0", 50, 0},
        {"0-4", 50, Bits(0, 3)},
        {"13", 50, 0},  // no step beyond skill 12
        {"10-20", 50, Bit(0) | Bits(9, 11)},
        {"99999999999999999999999", 50, 0},
        {"2-99999999999999999999999", 50, Bits(0, 11)},
        {"\t6 \r\n", 50, Bit(0) | Bit(5)},
        {"bi s 4", 50, Bits(0, 3)},  // blanks go first
        {"\xFC"
         "4",
         50, 0},  // bytes above 127 are letters like any other
        {"6\xFC", 50, Bit(0) | Bit(5)},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseAutoTrainText(c.text, c.level), c.mask) << '"' << c.text << '"';
}

TEST(ParseAutoTrainText, ReadsBackTheSummaryOfEveryMask)
{
    for (std::uint32_t steps = 0; steps < (1u << 11); ++steps) {
        const std::uint32_t mask = Normalised(steps << 1);
        const std::string text = AutoTrainSummary(mask);
        ASSERT_EQ(ParseAutoTrainText(text, 48), mask) << text;
        ASSERT_EQ(ParseAutoTrainText(text, 50), mask) << text;
        // Above the level's reach the summary reads back cut at that level.
        ASSERT_EQ(ParseAutoTrainText(text, 30), Normalised(mask & Bits(0, 6))) << text;
    }
}

struct DescriptionCase {
    std::uint32_t mask;
    std::vector<std::string> lines;
};

TEST(AutoTrainDescription, ListsThePointsAndTheLimits)
{
    const DescriptionCase cases[] = {
        {0, {"Sie haben 0 Spezialisierungspunkte gespart"}},
        // Skills 2, 3 and 4 ticked.
        {Bits(0, 3),
         {"Sie haben 9 Spezialisierungspunkte gespart", "Bis Level 16 d\xFCrfen sie nicht skillen."}},
        // Skill 6 alone.
        {Bit(0) | Bit(5),
         {"Sie haben 6 Spezialisierungspunkte gespart", "Bis Level 24 d\xFCrfen sie maximal auf 5 Skillen."}},
        {Bit(0) | Bits(5, 7),
         {"Sie haben 21 Spezialisierungspunkte gespart", "Bis Level 24 d\xFCrfen sie maximal auf 5 Skillen.",
          "Bis Level 32 d\xFCrfen sie nicht skillen."}},
        {Bits(0, 11),
         {"Sie haben 77 Spezialisierungspunkte gespart", "Bis Level 48 d\xFCrfen sie nicht skillen."}},
        {Bits(0, 1) | Bit(11),
         {"Sie haben 14 Spezialisierungspunkte gespart", "Bis Level 8 d\xFCrfen sie nicht skillen.",
          "Bis Level 48 d\xFCrfen sie maximal auf 11 Skillen."}},
    };
    for (const DescriptionCase& c : cases)
        EXPECT_EQ(AutoTrainDescription(c.mask), c.lines) << c.mask;
}

TEST(AutoTrainMaskFromSteps, AddsBitZeroToAnyTickedStep)
{
    EXPECT_EQ(AutoTrainMaskFromSteps(0), 0u);
    EXPECT_EQ(AutoTrainMaskFromSteps(Bits(1, 3)), Bits(0, 3));
    EXPECT_EQ(AutoTrainMaskFromSteps(Bit(5)), Bit(0) | Bit(5));
    EXPECT_EQ(AutoTrainMaskFromSteps(Bit(0)), 0u);
    EXPECT_EQ(AutoTrainMaskFromSteps(Bit(12) | Bit(3)), Bit(0) | Bit(3));
}

struct FieldValueCase {
    std::uint32_t mask;
    int maximum;
    std::uint32_t expected;
};

TEST(AutoTrainFieldValue, KeepsTheStepsBelowTheMaximum)
{
    const FieldValueCase cases[] = {
        {Bits(0, 11), 12, Bits(0, 11)},
        {Bits(0, 11) | Bit(12), 12, Bits(0, 11)},
        {Bits(0, 11), 5, Bits(0, 4)},
        {Bit(0) | Bit(5), 5, 0},  // cut to bit 0 alone: no step
        {Bit(0), 12, 0},          // bit 0 alone is no step, never a made-up one
        {Bits(0, 5), 1, 0},
        {Bits(0, 5), 0, 0},
        {Bits(0, 5), -3, 0},
        {Bits(0, 5), 40, Bits(0, 5)},
        {Bit(5), 12, Bit(5)},  // kept as the document has it
        {0, 12, 0},
    };
    for (const FieldValueCase& c : cases)
        EXPECT_EQ(AutoTrainFieldValue(c.mask, c.maximum), c.expected) << c.mask << " max " << c.maximum;
}

struct StepCase {
    std::uint32_t mask;
    int delta;
    int minimum;
    int maximum;
    std::uint32_t expected;
};

TEST(AutoTrainFieldStep, MovesByWholeStepsAndSkipsSkillOne)
{
    const StepCase cases[] = {
        {0, +1, 0, 12, Bits(0, 1)},  // 0 -> 1 becomes 2 going up
        {Bits(0, 1), -1, 0, 12, 0},  // 2 -> 1 becomes 0 going down
        {Bits(0, 1), +1, 0, 12, Bits(0, 2)},
        {Bits(0, 3), -1, 0, 12, Bits(0, 2)},
        {Bit(0) | Bit(5), +1, 0, 12, Bits(0, 6)},  // from the highest step, every step below included
        {Bit(0) | Bit(5), -1, 0, 12, Bits(0, 4)},
        {Bits(0, 11), +1, 0, 12, Bits(0, 11)},  // at the top
        {0, -1, 0, 12, 0},                      // at the bottom
        {Bit(0), +1, 0, 12, Bits(0, 1)},
        {Bit(0), -1, 0, 12, 0},
        {0, +1, 4, 12, Bits(0, 3)},          // raised to the minimum
        {Bits(0, 9), +1, 0, 6, Bits(0, 5)},  // lowered to the maximum
        {0, +1, 8, 6, Bits(0, 5)},           // the maximum wins over a larger minimum
        {0, +1, 0, 1, 0},                    // a range that allows one step only allows none
        {Bits(0, 3), -1, 1, 12, Bits(0, 2)},
        {Bits(0, 1), -1, 1, 12, 0},
        {0, +100, 0, 12, Bits(0, 11)},
        {Bits(0, 11), -100, 0, 12, 0},
        {Bits(0, 3) | Bit(20), +1, 0, 12, Bits(0, 4)},
        {0, +1, 0, 40, Bits(0, 1)},
        {Bits(0, 11), +1, 0, 40, Bits(0, 11)},
    };
    for (const StepCase& c : cases)
        EXPECT_EQ(AutoTrainFieldStep(c.mask, c.delta, c.minimum, c.maximum), c.expected)
            << c.mask << " " << c.delta << " in " << c.minimum << ".." << c.maximum;
}

TEST(AutoTrainFieldStep, UpAndDownWalksEveryCountOfSteps)
{
    std::uint32_t mask = 0;
    std::vector<std::uint32_t> up;
    for (int i = 0; i < 12; ++i) {
        mask = AutoTrainFieldStep(mask, +1, 0, 12);
        up.push_back(mask);
    }
    std::vector<std::uint32_t> expected;
    for (int steps = 2; steps <= 12; ++steps)
        expected.push_back(Bits(0, steps - 1));
    expected.push_back(Bits(0, 11));
    EXPECT_EQ(up, expected);
    for (int i = 0; i < 11; ++i)
        mask = AutoTrainFieldStep(mask, -1, 0, 12);
    EXPECT_EQ(mask, 0u);
}

}  // namespace
