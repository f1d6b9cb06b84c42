#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/CMasterLevelTable.h"
#include "support/MiniWorld.h"

namespace {

using Names = std::vector<std::string>;

TEST(MasterLevelTable, TracksLevelsAndDescriptions)
{
    MiniWorld world;
    CMasterLevelTable table;
    // Tracks by first mention: 0 Battlemaster, 1 Sojourner, 2 Perfecter, 3 Warlord.
    world.folder.Write("malines.csv", "Cleric;Battlemaster;Sojourner\ncleric;Perfecter;Battlemaster\n");
    world.folder.Write("malevel.csv", "Battlemaster;0;Battlemaster;Masters.;;;;;;0\n"
                                      "Battlemaster;3;Grand Strike;Hits.;Enemy;instant;2s;10 min;350;2\n"
                                      "Battlemaster;1;Strike;;Self;;;;;7\n"
                                      "Sojourner;2;Leap\nSojourner;2;Bound\nSojourner;1;Step\nWarlord;1;Cry");
    ASSERT_EQ(table.LoadMasterLevels(world.Path(), world.classes), DbResult::Loaded);
    EXPECT_EQ(table.ClassTracks(mini::kCleric).second, "Sojourner");  // the class's first record
    EXPECT_EQ(table.ClassTracks(mini::kPyromancer).first, "");
    EXPECT_EQ(table.FindTrack(mini::kCleric, "Perfecter"), 2);  // any record of the class
    EXPECT_EQ(table.FindTrack(mini::kCleric, "battlemaster"), -1);
    EXPECT_EQ(table.FindTrack(mini::kCleric, "Warlord"), -1);
    EXPECT_EQ(table.TrackLevels(0), (Names{"Strike", "Grand Strike"}));
    // Two records of level 2 ahead of level 1: the exchange sort swaps their order.
    EXPECT_EQ(table.TrackLevels(1), (Names{"Step", "Bound", "Leap"}));
    EXPECT_EQ(table.LevelInfo(0, 1)->timer, 7);
    EXPECT_EQ(table.LevelInfo(3, 1)->target, "");
    EXPECT_FALSE(table.LevelInfo(0, 2).has_value());
    EXPECT_EQ(table.LevelDescription(0, 3),
              "<al><b>Grand Strike</b><br>Target: <b>Enemy</b><br><al>Cast time: <b>instant</b>"
              "Duration: <b>2s</b>Recast: <b>10 min</b>Radius/Range: <b>350</b><br><hr=100%><br>"
              "Hits.<br><hr=100%><br>");
    EXPECT_EQ(table.LevelDescription(0, 9), "");

    world.folder.Write("malines.csv", "Cleric;A;B\nWizard;C;D\nPyromancer;E;F\n");
    EXPECT_EQ(table.LoadMasterLevels(world.Path(), world.classes), DbResult::UnknownClass);
    EXPECT_EQ(table.ClassTrackCount(), 1);
    EXPECT_EQ(table.LevelCount(), 0);  // malevel.csv is not read
}

}  // namespace
