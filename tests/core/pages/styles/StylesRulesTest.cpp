#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"
#include "pages/styles/StylesRules.h"
#include "support/MiniDatabase.h"

namespace {

using namespace styles_rules;

TEST(StylesRules, OpeningTextsPicturesAndRowData)
{
    const std::tuple<int, std::string_view, int> cases[] = {
        {-1, "", 0},           {0, "Any", 0},
        {1, "Front", 1},       {7, "Target", 7},
        {8, "", 8},            {9, "", 9},
        {128, "", 0},          {129, "Front (Stealthed)", 9},
        {130, "Behind  (Stealthed)", 10},
        {135, "Target  (Stealthed)", 15},
        {136, "", 8},          {137, "", 9},
    };
    for (const auto& [code, text, picture] : cases) {
        EXPECT_EQ(OpeningText(code), text) << code;
        if (code >= 0) {
            EXPECT_EQ(PictureIndex(code), picture) << code;
        }
    }
    EXPECT_EQ(StyleRowData(0, 0), -1);
    EXPECT_EQ(StyleRowData(0, 65535), -65536);
    EXPECT_EQ(StyleRowData(1, 0), -65537);
    EXPECT_EQ(StyleRowData(2, 3), -131076);
}

TEST(StylesRules, TooltipMarkupSkipsTheNameRowAndAnEmptyDescription)
{
    const std::vector<std::string> labels = {"name",   "Level",        "Prerequisite", "Attack",
                                             "Defense", "Fatigue Cost", "Damage",       "Effect"};
    const std::vector<std::string> values = {"Cut", "4", "Parry", "+5", "+2 Bonus ", "Low", "High", "Stun"};
    EXPECT_EQ(TooltipMarkup("Cut", "Fast.", labels, values),
              "<al_c><b>Cut</b><br><hr=100%><al><br>Fast.<br><hr=100%><al><br>Level:<t=3>4<br>"
              "Prerequisite:<t>Parry<br>Attack:<t=3>+5<br>Defense:<t=2>+2 Bonus <br>Fatigue Cost:<t=1>Low<br>"
              "Damage:<t=2>High<br>Effect:<t=3>Stun<br>");
    // An ability style has only its name and level.
    EXPECT_EQ(TooltipMarkup("Feat", "", {"name", "Level"}, {"Feat", "1"}),
              "<al_c><b>Feat</b><br><hr=100%><al><br>Level:<t=3>1<br>");
    EXPECT_EQ(TooltipMarkup("X", "", {"name"}, {}), "<al_c><b>X</b><br><hr=100%><al><br>");
}

TEST(StylesRules, FiltersKeepTheirChoiceAndListEachOpeningOnce)
{
    StylesList list;
    list.lineNames = {"Sword", "Shield"};
    for (const int opening : {0, 3, 136, 9, 131, 3, 7, 8, 131})
        list.styles.push_back({0, 0, "s", "", opening, opening});
    const std::vector<OpeningChoice> openings = OpeningFilter(list);
    std::vector<std::tuple<std::string, int>> shown;
    for (const OpeningChoice& choice : openings)
        shown.emplace_back(choice.text, choice.data);
    EXPECT_EQ(shown, (std::vector<std::tuple<std::string, int>>{
                         {"All", -1}, {"Any", 0}, {"Side", 3}, {"Side  (Stealthed)", 131}, {"Target", 7}}));
    EXPECT_EQ(KeptOpeningChoice(openings, 131), 3);
    EXPECT_EQ(KeptOpeningChoice(openings, 7), 4);
    EXPECT_EQ(KeptOpeningChoice(openings, 5), 0);

    const std::vector<std::string> lines = LineFilter(list);
    EXPECT_EQ(lines, (std::vector<std::string>{"All lines", "Sword", "Shield"}));
    EXPECT_EQ(KeptLineChoice(lines, "Shield"), 2);
    EXPECT_EQ(KeptLineChoice(lines, "shield"), 0);
    EXPECT_EQ(KeptLineChoice(lines, ""), 0);
}

// Tree text with the children in brackets, for compact expectations.
std::string Outline(const std::vector<TreeNode>& nodes)
{
    std::string text;
    for (const TreeNode& node : nodes) {
        text += (text.empty() ? "" : " ") + node.text + ":" + std::to_string(node.picture);
        if (!node.children.empty())
            text += "[" + Outline(node.children) + "]";
    }
    return text;
}

TEST(StylesRules, TreeParentsAreFoundDepthFirstWithoutRegardToCase)
{
    StylesList list;
    list.lineNames = {"A", "B"};
    const auto add = [&](int line, std::string name, std::string follows, int opening, int finalCode) {
        list.styles.push_back({-1 - static_cast<int>(list.styles.size()), line, std::move(name), std::move(follows),
                               opening, finalCode});
    };
    add(0, "Hit", "", 1, 1);
    add(0, "Jab", "HIT", 8, 1);
    add(0, "Cut", "jab", 8, 1);       // three deep
    add(1, "hit", "Cut", 8, 1);       // from the other line, under Cut
    add(1, "Slash", "Hit", 8, 1);     // the deepest "hit" is met before the root "Hit"
    add(1, "Late", "Later", 8, 0);    // its predecessor comes later: at the root
    add(1, "Later", "", 0, 0);
    add(1, "Feat", "", 9, 9);         // never in the tree
    add(1, "Loop", "Loop", 8, 8);
    add(1, "Sneak", "", 130, 130);

    const std::tuple<int, int, std::string> cases[] = {
        {0, kAllOpenings, "Hit:1[Jab:1[Cut:1[hit:1[Slash:1]]]] Late:0 Later:0 Loop:8 Sneak:10"},
        {2, kAllOpenings, "hit:1[Slash:1] Late:0 Later:0 Loop:8 Sneak:10"},
        {1, kAllOpenings, "Hit:1[Jab:1[Cut:1]]"},
        {0, 0, "Late:0 Later:0"},
        {0, 130, "Sneak:10"},
        {0, 9, ""},
        {1, 130, ""},
        {3, kAllOpenings, ""},
    };
    for (const auto& [line, opening, outline] : cases)
        EXPECT_EQ(Outline(BuildTree(list, line, opening)), outline) << line << " " << opening;
}

// The small world's Sword line (Blademaster's first line) with a chain three
// deep, a stealthed opening through it, a loop and an ability style.
class StylesOfTheSwordLine : public ::testing::Test {
protected:
    MiniDatabase m_world{{{"styles.csv", "101;Cleave;2;any;none;no;0;+5;none;Low;Medium;none;none\n"
                                         "102;Riposte;4;any;none;no;103;+10;none;Low;High;none;-5\n"
                                         "103;Lunge;6;behind;none;yes;0;+1;none;Low;Low;none;none\n"
                                         "104;Spin;8;any;none;no;102;+2;none;Low;Low;none;none\n"
                                         "105;Loop A;3;any;none;no;106;+0;none;Low;Low;none;none\n"
                                         "106;Loop B;5;any;none;no;105;+0;none;Low;Low;none;none\n"
                                         "107;Feat;1;Ability;none;no;0;;;;;;\n"
                                         "201;Bash;1;front;none;no;0;+0;+5;Medium;Low;Stun;none\n"
                                         "301;Shadow Cut;3;behind;none;yes;0;+15;none;High;High;Bleed;none\n"},
                          {"stylelines.dat", "1,Sword,7,101,102,103,104,105,106,107\n2,Shield,1,201\n"
                                             "3,Dagger,1,301\n4,Staff,0\n"}},
                         "Blademaster"};
    CGameDatabase& m_db = m_world.db;
    CQuillmarDoc& m_doc = m_world.doc;
};

TEST_F(StylesOfTheSwordLine, FinalCodesFollowTheChainAndStopOnALoop)
{
    const DatabaseSelection before = m_db.Selection();
    const StylesList list = BuildList(m_db, m_doc, true);
    EXPECT_EQ(m_db.Selection(), before);
    ASSERT_EQ(list.lineNames, (std::vector<std::string>{"Sword", "Shield", "Dagger"}));
    std::string sword;
    for (const ShownStyle& style : list.styles)
        if (style.line == 0)
            sword += style.name + ":" + std::to_string(style.opening) + ">" + std::to_string(style.finalCode) + " ";
    EXPECT_EQ(sword, "Feat:9>9 Cleave:0>0 Loop A:8>8 Riposte:8>130 Loop B:8>8 Lunge:130>130 Spin:8>130 ");
    ASSERT_GE(list.rows.size(), 8u);
    EXPECT_EQ(list.rows[0].data, kLineHeaderData);
    EXPECT_EQ(list.rows[0].cells[kNameColumn], "Sword");
    EXPECT_TRUE(list.rows[0].tooltip.empty());
    EXPECT_EQ(list.rows[1].cells, (std::array<std::string, kColumnCount>{"Feat", "1"}));
    EXPECT_EQ(list.rows[4].data, StyleRowData(0, 3));
    EXPECT_EQ(list.rows[4].cells, (std::array<std::string, kColumnCount>{
                                      "Riposte", "4", "Lunge", "+10", "-5 Penalty ", "Low", "High", "none"}));
    EXPECT_EQ(Outline(BuildTree(list, 1, 130)), "Riposte:10[Spin:10] Lunge:10");
}

// Without "All styles" the line level limits the list: at level 1 a line
// shows only its level-1 styles under its header.
TEST_F(StylesOfTheSwordLine, TheLineLevelLimitsTheList)
{
    ASSERT_EQ(m_doc.GetSpecLevel("Sword"), 1);
    const StylesList list = BuildList(m_db, m_doc, false);
    std::vector<std::string> names;
    for (const StyleRow& row : list.rows)
        names.push_back(row.cells[kNameColumn]);
    EXPECT_EQ(names, (std::vector<std::string>{"Sword", "Feat", "Shield", "Bash", "Dagger"}));
}

}  // namespace
