#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "document/RealmRank.h"
#include "pages/ViewRules.h"

using namespace view_rules;

namespace {

TEST(ViewRules, LevelField)
{
    // d < 0 is the upward arrow: whole levels up to 40, half levels above; not clamped below 5.
    const std::tuple<float, int, float> steps[] = {{39, -1, 40}, {40, -1, 40.5f}, {40.5f, 1, 40}, {40, 1, 39},
                                                   {50, -1, 50}, {5, 1, 5},       {38, -4, 41},   {41, 3, 39},
                                                   {0, -1, 1},   {0, 1, 0},       {20, 0, 20}};
    for (const auto& [start, d, level] : steps)
        EXPECT_FLOAT_EQ(StepLevel(start, d), level) << start << " by " << d;
    const std::pair<const char*, float> texts[] = {
        {"40.5", 40.5f}, {" 45,5 ", 45.5f}, {"abc", 0},         {"", 0},
        {"12abc", 12},   {"-3", -3},        {"9999999", 1.0e6f}};
    for (const auto& [text, level] : texts)
        EXPECT_FLOAT_EQ(ParseLevelText(text), level) << text;
    EXPECT_EQ(FormatLevel(40.5f) + " " + FormatLevel(50), "40.5 50");
}

TEST(ViewRules, RealmRankField)
{
    const std::pair<const char*, int> texts[] = {{"R5L3", 43}, {"53", 43},  {"R10L10", 100},
                                                 {"r5l3", 43}, {"5", 45},   {"R12L0", 110},
                                                 {"R", -10},   {"100", 90}, {"R2L", 12}};
    for (const auto& [text, code] : texts)
        EXPECT_EQ(ParseRealmRankText(text), code) << text;
    EXPECT_FALSE(ParseRealmRankText("   ").has_value());
    for (int code = 0; code <= realm_rank::kMaxCode; ++code)
        EXPECT_EQ(ParseRealmRankText(RealmRankText(code)), code) << RealmRankText(code);
    EXPECT_EQ(StepRealmRank(9, -1), 10);
    EXPECT_EQ(RealmPointsTooltip(99), "<al_c><b>R10L9</b><br><hr=100%><br>7.963.725 - 8.208.749 RPs");
    EXPECT_EQ(RealmPointsTooltip(110), "<al_c><b>R12L0</b><br><hr=100%><br>23.308.097 RPs");
}

TEST(ViewRules, Tabs)
{
    const std::vector<int> none = TabSet(false, false);
    const std::vector<int> all = TabSet(true, true);
    EXPECT_EQ(none, (std::vector<int>{0, 1, 2, 3, 5, 6}));
    EXPECT_EQ(TabSet(true, false), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(TabSet(false, true), (std::vector<int>{0, 1, 2, 3, 5, 6, 7, 8}));
    EXPECT_EQ(all, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    for (const auto& [id, position] : {std::pair{0, 0}, {4, -1}, {5, 4}, {6, 5}, {8, -1}})
        EXPECT_EQ(TabPositionOf(id, none), position) << id;
    for (const auto& [lastPage, position] : {std::pair{0, 0}, {5, 5}, {6, 0}, {-1, 0}})
        EXPECT_EQ(TabPositionForLastPage(lastPage, none), position) << lastPage;

    // The id when it has a tab, else the nearest below it down to 1, else the first tab.
    const std::vector<int> startsLater = {3, 5};
    const std::vector<int> zeroLast = {4, 0};
    const std::tuple<const std::vector<int>*, int, int> shown[] = {
        {&none, 4, 3},  {&none, 8, 6},        {&all, 8, 8},         {&none, 0, 0},     {&none, -1, 0},
        {&none, 42, 6}, {&startsLater, 2, 3}, {&startsLater, 4, 3}, {&zeroLast, 3, 4}, {&zeroLast, 0, 0}};
    for (const auto& [tabs, id, page] : shown)
        EXPECT_EQ(PageShownFor(id, *tabs), page) << id << " of " << tabs->size();
    EXPECT_EQ(PageShownFor(0, {}), -1);
}

TEST(ViewRules, HeaderLists)
{
    EXPECT_EQ(ClassListItem("Klingent\xE4nzerin", true, "de"), "Klingent\xE4nzerin (Weiblich)");
    EXPECT_EQ(ClassListItem("Bladedancer", true, "fr"), "Bladedancer (Female)");
    const std::pair<const char*, const char*> strip[] = {
        {"Eve (Weiblich)", "Eve"}, {"Eve (Female)", "Eve"}, {" (Female)", " (Female)"}};
    for (const auto& [item, name] : strip)
        EXPECT_EQ(StripFemaleSuffix(item), name) << item;

    const std::tuple<const char*, const char*, bool> equal[] = {
        {"caldor", "CALDOR", true}, {"\xC4sche", "\xE4SCHE", true}, {"\xDE", "\xFE", true},
        {"\xD7", "\xF7", false},    {"Caldor", "Caldo", false},     {"\x8A\x9F", "\x9A\xFF", true}};
    for (const auto& [a, b, same] : equal)
        EXPECT_EQ(EqualsIgnoringCase(a, b), same) << a << " " << b;
    EXPECT_FALSE(StartsWithIgnoringCase("Gle", "Glenmora"));

    const std::vector<std::string> classes = {"Sun Priestess (Female)", "Sun Priest", "Seeress (Female)"};
    for (const auto& [value, index] :
         {std::pair{"Seeress", 2}, {"sun priest", 1}, {"Sun", 0}, {"Velkara", 0}})
        EXPECT_EQ(SelectListItem(classes, value), index) << value;
    EXPECT_EQ(SelectListItem({}, "Caldor"), -1);
}

}  // namespace
