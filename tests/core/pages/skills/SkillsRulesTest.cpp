#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "pages/skills/SkillsRules.h"
#include "support/MiniDatabase.h"
#include "support/ShippedDatabases.h"

namespace {

using namespace skills_rules;

TEST(SkillsRules, LevelLimitsReachAndColours)
{
    // Raised while the rest pays the next level; never above the whole character level.
    const std::tuple<int, float, int, int> maximums[] = {{4, 50.0f, 10, 5},      {4, 50.0f, 11, 6},
                                                         {1, 20.0f, 100000, 20}, {1, 40.5f, 1000, 40},
                                                         {7, 50.0f, -30, 7},     {30, 20.0f, 1000, 30}};
    for (const auto& [current, level, rest, maximum] : maximums)
        EXPECT_EQ(LevelMaximum(current, level, rest), maximum) << current << " " << rest;

    const std::tuple<bool, bool, float, std::uint32_t, int> minimums[] = {
        {false, true, 30.0f, 0x1F, 5}, {false, true, 30.0f, 0x7FF, 7}, {false, true, 50.0f, 0, 1},
        {false, true, 7.0f, 0x3, 1},   {true, true, 47.5f, 0x7, 11},   {true, true, 7.0f, 0, 1},
        {true, false, 50.0f, 0x7FF, 1}};
    for (const auto& [career, autoTrainLine, level, mask, minimum] : minimums)
        EXPECT_EQ(LevelMinimum(career, autoTrainLine, level, mask), minimum)
            << career << level << " " << mask;

    // Only the poison line reaches further: a fifth of the level and a tenth of the rank, plus one.
    const std::tuple<const char*, int, float, int, int> reaches[] = {{"Player poisons", 10, 50.0f, 0, 21},
                                                                     {"Vergiften", 1, 24.0f, 9, 6}, {"Vergiften", 1, 24.0f, 10, 7},
                                                                     {"Vergiften", 250, 50.0f, 0, 5},
                                                                     {"vergiften", 10, 50.0f, 0, 0},
                                                                     {"Crushing", 10, 50.0f, 100, 0}};
    for (const auto& [line, counts, level, rank, reach] : reaches)
        EXPECT_EQ(Reach(line, counts, level, rank), reach) << line;

    const RowData back = UnpackRowData(PackRowData({250, 3, 255}));
    EXPECT_EQ(std::tuple(back.counts, back.hovered, back.reach), std::tuple(250, 3, 255));
    const std::tuple<int, int, RowData, MarkupColor> colours[] = {
        {3, 10, {10, 0, 0}, kReachedEntry},    {4, 11, {10, 0, 0}, kOtherEntry},
        {4, 15, {10, 0, 15}, kReachableEntry}, {6, 16, {10, 0, 15}, kOtherEntry},
        {6, 16, {10, 7, 15}, kHoveredEntry},   {1, 4, {10, 1, 0}, kReachedEntry}};
    for (const auto& [position, level, data, colour] : colours)
        EXPECT_EQ(EntryColour(position, level, data), colour) << position << " " << level;
}

TEST(SkillsRules, LevelColumnEntries)
{
    const std::vector<std::string> words = SplitEntries("  2 4  10 ");
    EXPECT_EQ(words, (std::vector<std::string>{"2", "4", "10"}));
    // Seven pixels a character: "2 " and "4 " are 14 wide, "10 " 21.
    const auto width = [](std::string_view text) { return static_cast<int>(text.size()) * 7; };
    for (const auto& [x, entry] : {std::pair{-1, -1}, {0, 0}, {13, 0}, {14, 1}, {48, 2}, {49, -1}})
        EXPECT_EQ(EntryAt(words, x, width), entry) << x;
}

// Every spell line whose tag differs from its name shows both, the first line
// of the table as much as the last (the shipped data's first line has no tag).
TEST(SkillsRules, TaggedSpellLinesShowTheirTag)
{
    MiniDatabase world({}, "Cleric");  // Restoration is the table's first line, Warding its last
    std::vector<std::string> lines;
    for (const SkillRow& row : BuildRows(world.db)) {
        if (row.spellLine && (row.kind == RowKind::Line || row.kind == RowKind::FixedLine))
            lines.push_back(row.text);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"REST (Restoration)", "WARD (Warding)"}));
}

class SkillsRulesShipped : public ShippedDatabases {};

TEST_F(SkillsRulesShipped, RowsAndWhatEachKindOfRowShows)
{
    CAppSettings settings;
    CQuillmarDoc doc(*s_english, settings);
    doc.SetClass("Sun Priest");
    doc.ActivateSelection();
    const std::vector<SkillRow> rows = BuildRows(*s_english);
    std::vector<int> kinds;
    for (const SkillRow& row : rows)
        kinds.push_back(static_cast<int>(row.kind));
    // A style line and its styles; three trained spell lines, each with two base groups and
    // two specialisation groups; a spell line with base groups only is shown but not trained.
    ASSERT_EQ(kinds, (std::vector<int>{0, 3, 0, 2, 2, 3, 3, 0, 2, 2, 3, 3, 0, 2, 2, 3, 3, 4, 2, 2, 2}));
    const SkillRow& styles = rows[1];
    const SkillRow& base = rows[3];

    EXPECT_EQ(SkillText(*s_english, base, 40), "Heals 400 hit points");
    EXPECT_EQ(SkillText(*s_english, base, 0), "");
    EXPECT_NE(GroupDescription(*s_english, base).find(base.groupName), std::string::npos);
    // Only a spell group row shows an effect and a description, whatever else it holds.
    SkillRow notSpell = base, notGroup = base;
    notSpell.spellLine = false;
    notGroup.kind = RowKind::Line;
    for (const SkillRow& row : {styles, notSpell, notGroup}) {
        EXPECT_EQ(SkillText(*s_english, row, 40), "") << row.text << static_cast<int>(row.kind);
        EXPECT_EQ(GroupDescription(*s_english, row), "") << row.text << static_cast<int>(row.kind);
    }

    const DetailRows style = EntryDetail(*s_english, styles, 0);
    ASSERT_GE(style.values.size(), 2u);
    EXPECT_EQ(style.values[0], styles.entryNames[0]);
    EXPECT_EQ(style.values[1], "2");
    const int last = static_cast<int>(base.entryNames.size()) - 1;
    ASSERT_GE(EntryDetail(*s_english, base, last).values.size(), 2u);
    EXPECT_EQ(EntryDetail(*s_english, base, last).values[0], base.entryNames.back());
    for (const int entry : {-1, last + 1})
        EXPECT_TRUE(EntryDetail(*s_english, base, entry).labels.empty()) << entry;
}

// Career mode counts what the lines cost at the levels the plan gives them at this slot.
TEST_F(SkillsRulesShipped, CareerModePointsAreThoseOfTheCurrentSlot)
{
    CAppSettings settings;
    CQuillmarDoc doc(*s_english, settings);
    doc.SetClass("Banner Knight");
    doc.SetCareerMode(1);
    doc.SetSpecLevel("Crushing", 20);
    doc.SetLevel(30.0f);
    const SkillPoints points = Points(doc);
    EXPECT_EQ(points.earned, doc.SkillPointsAtLevel(30.0f));
    EXPECT_EQ(points.used, SkillPointCost(doc.GetSpecLevel("Crushing")));
    EXPECT_EQ(points.rest, doc.CareerPointsLeft(30));
    EXPECT_GT(doc.GetSpecLevel("Crushing"), 1);
}

}  // namespace
