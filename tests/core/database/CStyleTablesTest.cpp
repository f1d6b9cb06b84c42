#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/CStyleLineTable.h"
#include "database/CStyleTable.h"
#include "support/TempDataFolder.h"

namespace {

using Names = std::vector<std::string>;

// One styles.csv record; the texts after the follows field are fixed unless given.
std::string StyleRecord(int id, const std::string& name, int level, const std::string& position,
                        const std::string& reaction, const std::string& stealth, int follows,
                        const std::string& tail = "+10;none;Low;Medium;Stun;none")
{
    return std::to_string(id) + ";" + name + ";" + std::to_string(level) + ";" + position + ";" + reaction + ";" +
           stealth + ";" + std::to_string(follows) + ";" + tail + "\n";
}

struct StyleData {
    TempDataFolder folder;
    CStyleTable styles;
    CStyleLineTable lines;
    DbResult stylesResult{}, linesResult{};

    StyleData(const std::string& stylesCsv, const std::string& linesDat)
    {
        if (!stylesCsv.empty())
            folder.Write("styles.csv", stylesCsv);
        if (!linesDat.empty())
            folder.Write("stylelines.dat", linesDat);
        stylesResult = styles.LoadStyles(folder.PathText());
        linesResult = lines.LoadStyleLines(folder.PathText(), styles);
    }
};

struct OpeningCase {
    const char* name;
    std::string position;
    std::string reaction;
    std::string stealth;
    bool followsAnchor;
    int opening;
};

class StyleOpening : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(StyleOpening, CodeFromFollowUpPositionReactionAndStealth)
{
    const OpeningCase& c = GetParam();
    StyleData data(StyleRecord(1, "Anchor", 1, "any", "none", "no", 0) +
                       StyleRecord(2, "Tested", 5, c.position, c.reaction, c.stealth, c.followsAnchor ? 1 : 0),
                   "");
    ASSERT_EQ(data.stylesResult, DbResult::Loaded);
    EXPECT_EQ(data.styles.Opening(1), c.opening);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, StyleOpening,
    ::testing::Values(OpeningCase{"no_requirement_stays_zero_with_stealth", "any", "none", "yes", false, 0},
                      OpeningCase{"behind_with_stealth", "behind", "none", "yes", false, 130},
                      OpeningCase{"follow_up_beats_position", "front", "none", "no", true, 8},
                      OpeningCase{"follow_up_with_stealth", "Ability: Taunt", "evade", "yes", true, 136},
                      OpeningCase{"capitalised_word", "Behind the target", "none", "no", false, 2},
                      OpeningCase{"all_capitals_match_nothing", "FRONT", "none", "no", false, 0},
                      OpeningCase{"unmatched_position_falls_to_reaction", "FRONT", "parry", "no", false, 6},
                      OpeningCase{"lower_case_words_first", "Side or behind", "none", "no", false, 2},
                      OpeningCase{"ability", "Ability: Taunt", "none", "yes", false, 137},
                      OpeningCase{"position_before_reaction", "side", "evade", "no", false, 3},
                      OpeningCase{"evade_before_block", "any", "Block or evade", "no", false, 4},
                      OpeningCase{"target_condition", "any", "Target below half health", "no", false, 7},
                      OpeningCase{"unknown_reaction_wording", "any", "after a dodge", "yes", false, 0}),
    [](const ::testing::TestParamInfo<OpeningCase>& row) { return std::string(row.param.name); });

TEST(StyleTable, DetailRows)
{
    StyleData data(StyleRecord(1, "Anchor", 1, "any", "none", "no", 0) +
                       StyleRecord(2, "Chaser", 12, "behind", "evade", "yes", 1, "+15;none;Medium;High;Stun;-10%") +
                       StyleRecord(3, "Taunt", 4, "Ability: Taunt", "none", "no", 0),
                   "");
    ASSERT_EQ(data.stylesResult, DbResult::Loaded);
    const DetailRows chaser = data.styles.Detail(1);
    EXPECT_EQ(chaser.labels,
              (Names{"name", "Level", "Prerequisite", "Attack", "Defense", "Fatigue Cost", "Damage", "Effect"}));
    EXPECT_EQ(chaser.values, (Names{"Chaser", "12", "Anchorbehindevade,Stealthed", "+15", "-10% Penalty ", "Medium",
                                    "High", "Stun"}));
    const DetailRows taunt = data.styles.Detail(2);
    EXPECT_EQ(taunt.labels, (Names{"name", "Level"}));
    EXPECT_EQ(taunt.values, (Names{"Taunt", "4"}));
    EXPECT_EQ(data.styles.Detail(0).values[2], "");  // no prerequisite at all
}

TEST(StyleTable, DefenseJoinsBonusAndPenalty)
{
    struct Row {
        const char* bonus;
        const char* penalty;
        const char* defense;
    };
    for (const Row& row : {Row{"none", "none", ""}, Row{"+5", "none", "+5 Bonus "}, Row{"none", "P", "P Penalty "},
                           Row{"+5", "-5", "+5 Bonus -5 Penalty "}}) {
        StyleData data(StyleRecord(1, "S", 1, "any", "none", "no", 0,
                                   std::string("a;") + row.bonus + ";f;d;e;" + row.penalty),
                       "");
        EXPECT_EQ(data.styles.Detail(0).values[4], row.defense) << row.bonus << " / " << row.penalty;
    }
}

TEST(StyleTable, StealthFieldMustBeYesOrNo)
{
    struct Row {
        const char* stealth;
        DbResult result;
    };
    for (const Row& row : {Row{"Yes", DbResult::Loaded}, Row{"NO", DbResult::Loaded},
                           Row{"y", DbResult::UnexpectedValue}, Row{"", DbResult::UnexpectedValue}}) {
        StyleData data(StyleRecord(1, "S", 1, "any", "none", row.stealth, 0), "");
        EXPECT_EQ(data.stylesResult, row.result) << row.stealth;
    }
}

TEST(StyleTable, BadStealthKeepsEarlierStylesWithTheirFollowUps)
{
    StyleData data(StyleRecord(1, "Opener", 1, "any", "none", "no", 2) +
                       StyleRecord(2, "Second", 2, "any", "none", "no", 0) +
                       StyleRecord(3, "Broken", 3, "any", "none", "maybe", 0) +
                       StyleRecord(4, "Never", 4, "any", "none", "no", 0),
                   "");
    EXPECT_EQ(data.stylesResult, DbResult::UnexpectedValue);
    ASSERT_EQ(data.styles.Count(), 2);
    // A forward reference, resolved once the file has been read.
    EXPECT_EQ(data.styles.Follows(0), 1);
    EXPECT_EQ(data.styles.FollowsName(0), "Second");
    EXPECT_EQ(data.styles.Opening(0), 8);
    EXPECT_EQ(data.styles.FindById(4), -1);
}

TEST(StyleTable, UnresolvedFollowUpCostsOnlyItself)
{
    StyleData data(StyleRecord(1, "Lost", 1, "behind", "none", "no", 99) +
                       StyleRecord(2, "Found", 2, "any", "none", "no", 1) +
                       StyleRecord(3, "Free", 3, "any", "none", "no", 0),
                   "");
    EXPECT_EQ(data.stylesResult, DbResult::UnknownStyle);
    ASSERT_EQ(data.styles.Count(), 3);
    EXPECT_EQ(data.styles.Follows(0), -1);
    EXPECT_EQ(data.styles.FollowsName(0), "");
    EXPECT_EQ(data.styles.Opening(0), 2);
    EXPECT_EQ(data.styles.Follows(1), 0);
    EXPECT_EQ(data.styles.Follows(2), -1);
}

TEST(StyleLineTable, UnknownStyleIsLeftOutAndLoadingGoesOn)
{
    StyleData data(StyleRecord(10, "Slash", 1, "any", "none", "no", 0) +
                       StyleRecord(11, "Cut", 2, "any", "none", "no", 0) +
                       StyleRecord(12, "Chop", 3, "any", "none", "no", 0),
                   "1,Sword,3,10,99,11\n2,Axe,1,12\n3,Spear,2000000000,12\n");
    EXPECT_EQ(data.linesResult, DbResult::UnknownStyle);
    ASSERT_EQ(data.lines.Count(), 3);
    EXPECT_EQ(data.lines.Styles(0), (std::vector<int>{0, 1}));
    EXPECT_EQ(data.lines.Styles(1), (std::vector<int>{2}));
    // The count runs past the line: the empty id 0 has no style and is dropped.
    EXPECT_EQ(data.lines.Styles(2), (std::vector<int>{2}));
    EXPECT_EQ(data.lines.FindById(2), 1);
    EXPECT_EQ(data.lines.FindById(4), -1);
    EXPECT_EQ(data.lines.FindByName("AXE"), 1);
    EXPECT_EQ(data.lines.Id(2), 3);
}

TEST(StyleLineTable, StyleListAndFindStyle)
{
    StyleData data(StyleRecord(1, "a", 5, "any", "none", "no", 0) + StyleRecord(2, "b", 1, "any", "none", "no", 0) +
                       StyleRecord(3, "c", 5, "any", "none", "no", 0) + StyleRecord(4, "d", 1, "any", "none", "no", 0) +
                       StyleRecord(5, "e", 1, "any", "none", "no", 0),
                   "7,Blades,4,1,2,3,4\n8,Other,1,5\n");
    ASSERT_EQ(data.linesResult, DbResult::Loaded);
    // Levels 5,1,5,1: the exchange sort gives b,d,c,a, not the stable b,d,a,c.
    const NamedLevels list = data.lines.StyleList(0);
    EXPECT_EQ(list.names, (Names{"b", "d", "c", "a"}));
    EXPECT_EQ(list.levels, (std::vector<std::int32_t>{1, 1, 5, 5}));
    EXPECT_EQ(data.lines.FindStyle(0, "C"), 2);
    EXPECT_EQ(data.lines.FindStyle(0, "e"), -1);  // another line's style
    EXPECT_EQ(data.lines.FindStyle(1, "e"), 4);
}

TEST(StyleTables, MissingFiles)
{
    StyleData data("", "1,Sword,1,10\n");
    EXPECT_EQ(data.stylesResult, DbResult::FileMissing);
    EXPECT_EQ(data.linesResult, DbResult::UnknownStyle);
    EXPECT_TRUE(data.lines.Styles(0).empty());
    data.folder.Remove("stylelines.dat");
    EXPECT_EQ(data.lines.LoadStyleLines(data.folder.PathText(), data.styles), DbResult::FileMissing);
    EXPECT_EQ(data.lines.Count(), 0);
}

}  // namespace
