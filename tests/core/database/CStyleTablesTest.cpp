#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/MiniWorld.h"

namespace {

using Names = std::vector<std::string>;

std::string Style(int id, const std::string& position, const std::string& reaction = "none",
                  const std::string& stealth = "no", int follows = 0,
                  const std::string& tail = "+10;none;Low;Medium;Stun;none")
{
    return std::to_string(id) + ";S" + std::to_string(id) + ";" + std::to_string(id) + ";" + position + ";" +
           reaction + ";" + stealth + ";" + std::to_string(follows) + ";" + tail + "\n";
}

DbResult LoadStyles(MiniWorld& world, const std::string& stylesCsv)
{
    world.folder.Write("styles.csv", stylesCsv);
    return world.styles.LoadStyles(world.Path());
}

TEST(StyleTable, OpeningFromFollowUpPositionReactionAndStealth)
{
    // Position words are case-sensitive, lower case searched first; a follow-up
    // beats both, stealth adds 128 to any kind but none.
    const std::tuple<const char*, const char*, const char*, bool, int> cases[] = {
        // clang-format off
        {"any", "none", "yes", false, 0}, {"behind", "none", "yes", false, 130},
        {"front", "none", "no", true, 8}, {"Ability: Taunt", "evade", "yes", true, 136},
        {"Behind the target", "none", "no", false, 2}, {"FRONT", "none", "no", false, 0},
        {"FRONT", "parry", "no", false, 6}, {"Side or behind", "none", "no", false, 2},
        {"Ability: Taunt", "none", "yes", false, 137}, {"side", "evade", "no", false, 3},
        {"any", "Block or evade", "no", false, 4}, {"any", "Target below half health", "no", false, 7},
        {"any", "after a dodge", "yes", false, 0},
        // clang-format on
    };
    for (const auto& [position, reaction, stealth, followUp, opening] : cases) {
        MiniWorld world;
        ASSERT_EQ(LoadStyles(world, Style(1, "any") + Style(2, position, reaction, stealth, followUp)),
                  DbResult::Loaded);
        EXPECT_EQ(world.styles.Opening(1), opening) << position << " / " << reaction;
    }
}

TEST(StyleTable, DetailRows)
{
    MiniWorld world;
    ASSERT_EQ(LoadStyles(world, Style(1, "any", "none", "no", 0, "+5;+3;Low;Low;x;none") +
                                    Style(2, "behind", "evade", "yes", 1, "+15;none;Medium;High;Stun;-10%") +
                                    Style(3, "Ability: Taunt")),
              DbResult::Loaded);
    EXPECT_EQ(world.styles.Detail(1).values, (Names{"S2", "2", "S1behindevade,Stealthed", "+15",
                                                    "-10% Penalty ", "Medium", "High", "Stun"}));
    EXPECT_EQ(world.styles.Detail(0).values[4], "+3 Bonus ");
    EXPECT_EQ(world.styles.Detail(2).labels, (Names{"name", "Level"}));
}

TEST(StyleTable, FailuresKeepEarlierStylesWithTheirFollowUps)
{
    // A forward reference resolves once the file is read, also when a bad
    // stealth field ends the read; a dangling one costs only its own style.
    MiniWorld world;
    EXPECT_EQ(LoadStyles(world, Style(1, "any", "none", "no", 2) + Style(2, "any") +
                                    Style(3, "any", "none", "y") + Style(4, "any")),
              DbResult::UnexpectedValue);
    ASSERT_EQ(world.styles.Count(), 2);
    EXPECT_EQ(world.styles.FollowsName(0), "S2");
    EXPECT_EQ(LoadStyles(world, Style(1, "behind", "none", "no", 99) + Style(2, "any", "none", "YES", 1)),
              DbResult::UnknownStyle);
    EXPECT_EQ(world.styles.Follows(0), -1);
    EXPECT_EQ(world.styles.Opening(0), 2);
    EXPECT_EQ(world.styles.Follows(1), 0);
}

TEST(StyleLineTable, UnknownStyleIsLeftOutAndLoadingGoesOn)
{
    MiniWorld world;
    ASSERT_EQ(LoadStyles(world, Style(5, "any") + Style(1, "any") + Style(3, "any") + Style(4, "any")),
              DbResult::Loaded);
    world.folder.Write("stylelines.dat", "1,Sword,4,1,99,5,4\n2,Axe,2000000000,3\n");
    EXPECT_EQ(world.styleLines.LoadStyleLines(world.Path(), world.styles), DbResult::UnknownStyle);
    ASSERT_EQ(world.styleLines.Count(), 2);
    EXPECT_EQ(world.styleLines.Styles(0), (std::vector<int>{1, 0, 3}));
    // The count runs past the line: the empty id 0 has no style and is dropped.
    EXPECT_EQ(world.styleLines.Styles(1), (std::vector<int>{2}));
    // Levels 1, 5, 4: ascending, and the first and last of the line found.
    EXPECT_EQ(world.styleLines.StyleList(0).names, (Names{"S1", "S4", "S5"}));
    EXPECT_EQ(world.styleLines.FindStyle(0, "s1"), 1);
    EXPECT_EQ(world.styleLines.FindStyle(0, "S4"), 3);
    EXPECT_EQ(world.styleLines.FindStyle(0, "S3"), -1);  // another line's style
}

}  // namespace
