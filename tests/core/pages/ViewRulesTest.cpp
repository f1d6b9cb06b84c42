#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/RealmRank.h"
#include "pages/ViewRules.h"

using namespace view_rules;

namespace {

struct LevelStep {
    float start;
    int d;  // negative: upward arrow
    float expected;
};

class LevelStepping : public ::testing::TestWithParam<LevelStep> {};

TEST_P(LevelStepping, StepsWholeLevelsUpToFortyAndHalfLevelsAbove)
{
    const LevelStep& row = GetParam();
    EXPECT_FLOAT_EQ(StepLevel(row.start, row.d), row.expected) << row.start << " by " << row.d;
}

INSTANTIATE_TEST_SUITE_P(Rows, LevelStepping,
                         ::testing::Values(LevelStep{39, -1, 40}, LevelStep{40, -1, 40.5f},
                                           LevelStep{40.5f, 1, 40}, LevelStep{40, 1, 39},
                                           LevelStep{50, -1, 50}, LevelStep{5, 1, 5},
                                           LevelStep{49.5f, -3, 50}, LevelStep{6, 4, 5},
                                           LevelStep{38, -4, 41}, LevelStep{41, 3, 39},
                                           // a field reading 0 ("abc") steps up from 0; the document clamps
                                           LevelStep{0, -1, 1}, LevelStep{0, 1, 0}, LevelStep{20, 0, 20}));

TEST(LevelText, ReadsTheLeadingDecimalNumber)
{
    const std::pair<const char*, float> rows[] = {
        {"39", 39},
        {"40.5", 40.5f},
        {" 45.5 ", 45.5f},
        {"40,5", 40.5f},
        {"abc", 0},
        {"", 0},
        {"12abc", 12},
        {"-3", -3},
        {"+7", 7},
        {".5", 0.5f},
        {"99999999999999999999", 1.0e6f},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_FLOAT_EQ(ParseLevelText(text), expected) << text;
}

TEST(LevelText, IsWrittenAsPercentG)
{
    EXPECT_EQ(FormatLevel(50), "50");
    EXPECT_EQ(FormatLevel(40.5f), "40.5");
    EXPECT_EQ(FormatLevel(5), "5");
    EXPECT_EQ(FormatLevel(7.9f), "7.9");
}

TEST(RealmRankText, ParsesTheTypedForms)
{
    const std::pair<const char*, int> rows[] = {
        {"R5L3", 43}, {"53", 43},     {"R10L10", 100}, {"R11L2", 102}, {"R5L10", 50},
        {"r5l3", 43}, {" R5L3 ", 43}, {"5", 45},       {"R1L0", 0},    {"R12L0", 110},
        {"R", -10},   {"RxLy", -10},  {"100", 90},     {"R2L", 12},
    };
    for (const auto& [text, expected] : rows) {
        ASSERT_TRUE(ParseRealmRankText(text).has_value()) << text;
        EXPECT_EQ(*ParseRealmRankText(text), expected) << text;
    }
}

TEST(RealmRankText, AnEmptyFieldLeavesTheRank)
{
    EXPECT_FALSE(ParseRealmRankText("").has_value());
    EXPECT_FALSE(ParseRealmRankText("   ").has_value());
}

TEST(RealmRankText, ReadsBackEveryCodeItShows)
{
    for (int code = 0; code <= realm_rank::kMaxCode; ++code)
        EXPECT_EQ(ParseRealmRankText(RealmRankText(code)), code) << RealmRankText(code);
}

TEST(RealmRankStep, OneCodePerStepUpwardIsNegative)
{
    EXPECT_EQ(StepRealmRank(9, -1), 10);
    EXPECT_EQ(RealmRankText(StepRealmRank(9, -1)), "R2L0");
    EXPECT_EQ(StepRealmRank(10, 1), 9);
    EXPECT_EQ(StepRealmRank(0, 3), -3);  // the document clamps
    EXPECT_EQ(RealmRankText(100), "R10L10");
}

TEST(RealmPoints, DisplayAndTooltip)
{
    EXPECT_EQ(RealmPointsDisplay(0), "0 RPs");
    EXPECT_EQ(RealmPointsDisplay(100), "8.208.750 RPs");
    EXPECT_EQ(RealmPointsTooltip(5), "<al_c><b>R1L5</b><br><hr=100%><br>750 - 1.374 RPs");
    EXPECT_EQ(RealmPointsTooltip(99), "<al_c><b>R10L9</b><br><hr=100%><br>7.963.725 - 8.208.749 RPs");
    // The last rank has no next one to count towards.
    EXPECT_EQ(RealmPointsTooltip(110), "<al_c><b>R12L0</b><br><hr=100%><br>23.308.097 RPs");
}

struct TabCase {
    bool oldRas;
    bool experimental;
    std::vector<int> expected;
};

TEST(Tabs, SetFollowsTheTwoSettings)
{
    const TabCase rows[] = {
        {false, false, {0, 1, 2, 3, 5, 6}},
        {true, false, {0, 1, 2, 3, 4, 5, 6}},
        {false, true, {0, 1, 2, 3, 5, 6, 7, 8}},
        {true, true, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const TabCase& row : rows)
        EXPECT_EQ(TabSet(row.oldRas, row.experimental), row.expected) << row.oldRas << row.experimental;
}

TEST(Tabs, LastPageIsATabPosition)
{
    const std::vector<int> noOldRas = TabSet(false, false);
    const std::vector<int> all = TabSet(true, true);
    // Without the old realm abilities the fifth tab is "RA NF" and the sixth "MaLevel".
    EXPECT_EQ(noOldRas[static_cast<std::size_t>(TabPositionForLastPage(4, noOldRas))], 5);
    EXPECT_EQ(noOldRas[static_cast<std::size_t>(TabPositionForLastPage(5, noOldRas))], 6);
    EXPECT_EQ(all[static_cast<std::size_t>(TabPositionForLastPage(4, all))], 4);
    const std::pair<int, int> rows[] = {{0, 0}, {5, 5}, {6, 0}, {-1, 0}, {100, 0}};
    for (const auto& [lastPage, position] : rows)
        EXPECT_EQ(TabPositionForLastPage(lastPage, noOldRas), position) << lastPage;
    EXPECT_EQ(TabPositionForLastPage(8, all), 8);
}

TEST(Tabs, PositionOfAPage)
{
    const std::vector<int> noOldRas = TabSet(false, false);
    EXPECT_EQ(TabPositionOf(6, noOldRas), 5);
    EXPECT_EQ(TabPositionOf(5, noOldRas), 4);
    EXPECT_EQ(TabPositionOf(4, noOldRas), -1);
    EXPECT_EQ(TabPositionOf(8, noOldRas), -1);
    EXPECT_EQ(TabPositionOf(0, noOldRas), 0);
}

TEST(Tabs, APageWithoutTabFallsBackBelowItThenToTheFirst)
{
    const std::vector<int> none = TabSet(false, false);
    const std::vector<int> all = TabSet(true, true);
    const std::vector<int> onlyFirst = {0};
    const std::vector<int> startsLater = {3, 5};
    struct Row {
        const std::vector<int>* tabs;
        int id;
        int shown;
    };
    const Row rows[] = {
        {&none, 4, 3},      {&none, 8, 6},        {&none, 7, 6},        {&all, 8, 8},
        {&all, 4, 4},       {&none, 0, 0},        {&none, -1, 0},       {&none, 42, 6},
        {&onlyFirst, 5, 0}, {&startsLater, 2, 3}, {&startsLater, 4, 3}, {&startsLater, 0, 3},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PageShownFor(row.id, *row.tabs), row.shown) << row.id;
    EXPECT_EQ(PageShownFor(0, {}), -1);
}

TEST(ClassList, FemaleSuffixByDataLanguage)
{
    EXPECT_EQ(FemaleSuffix("de"), " (Weiblich)");
    EXPECT_EQ(FemaleSuffix("en"), " (Female)");
    EXPECT_EQ(FemaleSuffix("fr"), " (Female)");
    EXPECT_EQ(ClassListItem("Klingent\xE4nzerin", true, "de"), "Klingent\xE4nzerin (Weiblich)");
    EXPECT_EQ(ClassListItem("Bladedancer", true, "en"), "Bladedancer (Female)");
    EXPECT_EQ(ClassListItem("Gardist", false, "de"), "Gardist");
}

TEST(ClassList, StripsEitherSuffix)
{
    const std::pair<const char*, const char*> rows[] = {
        {"Klingent\xE4nzerin (Weiblich)", "Klingent\xE4nzerin"},
        {"Bladedancer (Female)", "Bladedancer"},
        {"Gardist", "Gardist"},
        {" (Female)", " (Female)"},  // a name, not a suffix
        {"Seherin (Weiblich) ", "Seherin (Weiblich) "},
    };
    for (const auto& [item, name] : rows)
        EXPECT_EQ(StripFemaleSuffix(item), name) << item;
}

TEST(HeaderLists, CaseIsIgnoredForWindows1252Letters)
{
    EXPECT_TRUE(EqualsIgnoringCase("caldor", "CALDOR"));
    EXPECT_TRUE(EqualsIgnoringCase("\xC4schebinder", "\xE4SCHEBINDER"));
    EXPECT_FALSE(EqualsIgnoringCase("Caldor", "Caldo"));
    EXPECT_TRUE(StartsWithIgnoringCase("Glenmora", "gle"));
    EXPECT_FALSE(StartsWithIgnoringCase("Gle", "Glenmora"));
    EXPECT_FALSE(EqualsIgnoringCase("\xD7", "\xF7"));  // multiplication and division signs
}

TEST(HeaderLists, SelectsTheItemForTheStoredValue)
{
    const std::vector<std::string> realms = {"Caldor", "Glenmora", "Nordhal"};
    const std::vector<std::string> classes = {"Sun Priestess (Female)", "Sun Priest", "Seeress (Female)"};
    struct Row {
        const std::vector<std::string>* items;
        const char* value;
        int index;
    };
    const Row rows[] = {
        {&realms, "Glenmora", 1},    {&realms, "nordhal", 2},
        {&realms, "Nor", 2},         {&realms, "", 0},
        {&realms, "Velkara", 0},     {&classes, "Seeress", 2},
        {&classes, "sun priest", 1}, {&classes, "Sun Priestess", 0},
        {&classes, "Sun", 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SelectListItem(*row.items, row.value), row.index) << row.value;
    EXPECT_EQ(SelectListItem({}, "Caldor"), -1);
}

}  // namespace
