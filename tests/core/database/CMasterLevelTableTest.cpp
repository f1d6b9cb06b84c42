#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "database/CMasterLevelTable.h"
#include "support/MiniWorld.h"

namespace {

using Names = std::vector<std::string>;

constexpr const char* kMalines =
    "/ class;first track;second track\n"
    "Cleric;Battlemaster;Sojourner\n"
    "Pyromancer;Spymaster;Stormlord\n"
    "cleric;Perfecter;Battlemaster\n";

// Tracks by first mention: 0 Battlemaster, 1 Sojourner, 2 Spymaster,
// 3 Stormlord, 4 Perfecter, then the malevel.csv-only tracks.
constexpr const char* kMalevel =
    "Battlemaster;0;Battlemaster;\"Masters of the field; they strike.\";;;;;;0\n"
    "Battlemaster;3;Grand Strike;Hits <b>hard</b>.;Enemy;instant;2s;10 min;350;2\n"
    "Battlemaster;1;Strike;Hits.;Enemy;1s;;5 min;;0\n"
    "Battlemaster;2;Double Strike;Hits twice.;Self;1s;;;;7\n"
    "Sojourner;2;Leap;;;;;;;0\n"
    "Sojourner;2;Bound;;;;;;;0\n"
    "Sojourner;1;Step;;;;;;;0\n"
    "Warlord;1;Battle Cry;Shouts.;Group;;;;;1\n"
    "battlemaster;1;Lower Strike;;;;;;;0\n";

constexpr int kBattlemaster = 0, kSojourner = 1, kStormlord = 3, kPerfecter = 4, kWarlord = 5;

struct MasterData {
    MiniWorld world;
    CMasterLevelTable table;
    DbResult result{};

    MasterData(std::optional<std::string> malines, std::optional<std::string> malevel)
    {
        if (malines)
            world.folder.Write("malines.csv", *malines);
        if (malevel)
            world.folder.Write("malevel.csv", *malevel);
        result = Load();
    }

    DbResult Load() { return table.LoadMasterLevels(world.Path(), world.classes); }
};

TEST(MasterLevelTable, ClassTracksComeFromTheFirstRecord)
{
    MasterData data(kMalines, kMalevel);
    ASSERT_EQ(data.result, DbResult::Loaded);
    EXPECT_EQ(data.table.ClassTrackCount(), 3);
    EXPECT_EQ(data.table.TrackCount(), 7);
    EXPECT_EQ(data.table.TrackName(kWarlord), "Warlord");
    EXPECT_EQ(data.table.TrackName(6), "battlemaster");

    const ClassTrackNames cleric = data.table.ClassTracks(mini::kCleric);
    EXPECT_EQ(cleric.first, "Battlemaster");
    EXPECT_EQ(cleric.second, "Sojourner");
    for (const int classIndex : {static_cast<int>(mini::kBlademaster), -1}) {
        const ClassTrackNames none = data.table.ClassTracks(classIndex);
        EXPECT_EQ(none.first, "");
        EXPECT_EQ(none.second, "");
    }
}

TEST(MasterLevelTable, FindTrackSearchesEveryRecordOfTheClassByBytes)
{
    MasterData data(kMalines, kMalevel);
    ASSERT_EQ(data.result, DbResult::Loaded);
    struct Case {
        int classIndex;
        const char* name;
        int track;
    };
    const Case cases[] = {
        {mini::kCleric, "Battlemaster", kBattlemaster},
        {mini::kCleric, "Sojourner", kSojourner},
        {mini::kCleric, "Perfecter", kPerfecter},  // only in the second record
        {mini::kCleric, "battlemaster", -1},
        {mini::kCleric, "Battlemaster ", -1},
        {mini::kCleric, "Warlord", -1},
        {mini::kPyromancer, "Stormlord", kStormlord},
        {mini::kPyromancer, "Battlemaster", -1},
        {mini::kValkyrie, "Battlemaster", -1},
        {-1, "Battlemaster", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(data.table.FindTrack(c.classIndex, c.name), c.track) << c.classIndex << " " << c.name;
}

TEST(MasterLevelTable, TrackLevelsAscendByLevelWithoutTheTrackRecord)
{
    MasterData data(kMalines, kMalevel);
    ASSERT_EQ(data.result, DbResult::Loaded);
    EXPECT_EQ(data.table.TrackLevels(kBattlemaster), (Names{"Strike", "Double Strike", "Grand Strike"}));
    // Two records of level 2 ahead of level 1: the exchange sort swaps their order.
    EXPECT_EQ(data.table.TrackLevels(kSojourner), (Names{"Step", "Bound", "Leap"}));
    EXPECT_EQ(data.table.TrackLevels(kWarlord), (Names{"Battle Cry"}));
    EXPECT_EQ(data.table.TrackLevels(6), (Names{"Lower Strike"}));
    EXPECT_TRUE(data.table.TrackLevels(kStormlord).empty());
    EXPECT_TRUE(data.table.TrackLevels(-1).empty());
}

TEST(MasterLevelTable, LevelInfoGivesTargetAndTimer)
{
    MasterData data(kMalines, kMalevel);
    ASSERT_EQ(data.result, DbResult::Loaded);
    struct Case {
        int track, level;
        std::optional<std::string> target;
        std::int32_t timer;
    };
    const Case cases[] = {
        {kBattlemaster, 3, "Enemy", 2}, {kBattlemaster, 2, "Self", 7}, {kBattlemaster, 0, "", 0},
        {kSojourner, 2, "", 0},         {kWarlord, 1, "Group", 1},     {kBattlemaster, 4, std::nullopt, 0},
        {kStormlord, 1, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        const std::optional<MasterLevelTargetTimer> info = data.table.LevelInfo(c.track, c.level);
        ASSERT_EQ(info.has_value(), c.target.has_value()) << c.track << "/" << c.level;
        if (info) {
            EXPECT_EQ(info->target, *c.target);
            EXPECT_EQ(info->timer, c.timer);
        }
    }
}

TEST(MasterLevelTable, LevelDescriptionJoinsEveryLabel)
{
    MasterData data(kMalines, kMalevel);
    ASSERT_EQ(data.result, DbResult::Loaded);
    EXPECT_EQ(data.table.LevelDescription(kBattlemaster, 3),
              "<al><b>Grand Strike</b><br>Target: <b>Enemy</b><br><al>Cast time: <b>instant</b>"
              "Duration: <b>2s</b>Recast: <b>10 min</b>Radius/Range: <b>350</b><br><hr=100%><br>"
              "Hits <b>hard</b>.<br><hr=100%><br>");
    // The track's own record, with every detail empty, still gets every label.
    EXPECT_EQ(data.table.LevelDescription(kBattlemaster, 0),
              "<al><b>Battlemaster</b><br>Target: <b></b><br><al>Cast time: <b></b>"
              "Duration: <b></b>Recast: <b></b>Radius/Range: <b></b><br><hr=100%><br>"
              "Masters of the field; they strike.<br><hr=100%><br>");
    EXPECT_EQ(data.table.LevelDescription(kBattlemaster, 9), "");
    EXPECT_EQ(data.table.LevelDescription(-1, 0), "");
}

TEST(MasterLevelTable, UnknownClassEndsTheLoad)
{
    MasterData data("Cleric;Battlemaster;Sojourner\nWizard;Spymaster;Stormlord\nPyromancer;A;B\n", kMalevel);
    EXPECT_EQ(data.result, DbResult::UnknownClass);
    EXPECT_EQ(data.table.ClassTrackCount(), 1);
    EXPECT_EQ(data.table.FindTrack(mini::kCleric, "Sojourner"), kSojourner);
    EXPECT_EQ(data.table.ClassTracks(mini::kPyromancer).first, "");
    // malevel.csv is not read.
    EXPECT_EQ(data.table.LevelCount(), 0);
}

TEST(MasterLevelTable, MissingFiles)
{
    MasterData noLines(std::nullopt, kMalevel);
    EXPECT_EQ(noLines.result, DbResult::FileMissing);
    EXPECT_EQ(noLines.table.ClassTrackCount(), 0);
    EXPECT_EQ(noLines.table.LevelCount(), 0);

    MasterData noLevels(kMalines, std::nullopt);
    EXPECT_EQ(noLevels.result, DbResult::FileMissing);
    EXPECT_EQ(noLevels.table.ClassTracks(mini::kPyromancer).second, "Stormlord");
    EXPECT_EQ(noLevels.table.LevelCount(), 0);
}

TEST(MasterLevelTable, ReloadForgetsThePreviousFiles)
{
    MasterData data(kMalines, kMalevel);
    ASSERT_EQ(data.result, DbResult::Loaded);
    data.world.folder.Write("malines.csv", "Valkyrie;Stormlord;Warlord\n");
    data.world.folder.Write("malevel.csv", "Warlord;1;Battle Cry;;;;;;;3\n");
    ASSERT_EQ(data.Load(), DbResult::Loaded);
    EXPECT_EQ(data.table.TrackCount(), 2);
    EXPECT_EQ(data.table.ClassTrackCount(), 1);
    EXPECT_EQ(data.table.LevelCount(), 1);
    EXPECT_EQ(data.table.ClassTracks(mini::kCleric).first, "");
    EXPECT_EQ(data.table.FindTrack(mini::kValkyrie, "Warlord"), 1);
    EXPECT_EQ(data.table.TrackLevels(1), (Names{"Battle Cry"}));
}

TEST(MasterLevelTable, MalformedFilesLoadWithoutHarm)
{
    using namespace std::string_literals;
    const std::string inputs[] = {
        "",
        ";;;;;;;;;;;;\n;;;\n",
        "\"Cleric;Battlemaster\n",
        "Cleric;;\n;-2147483648;;;;;;;;99999999999999999999\n",
        "Cleric\0;A\0;\0\n"s,
        "\xFF\xFE;\x80;\"\";\"\"\"\n",
        std::string(5000, ';') + "\n" + std::string(3000, 'x'),
    };
    for (const std::string& bytes : inputs) {
        MasterData data(bytes, bytes);
        const int code = static_cast<int>(data.result);
        EXPECT_TRUE(code == 0 || code == 8) << code;
        for (int track = -1; track <= data.table.TrackCount(); ++track) {
            data.table.TrackLevels(track);
            data.table.LevelDescription(track, 0);
        }
        for (int classIndex = -1; classIndex <= data.world.classes.Count(); ++classIndex) {
            data.table.ClassTracks(classIndex);
            EXPECT_LT(data.table.FindTrack(classIndex, ""), data.table.TrackCount());
        }
    }
}

}  // namespace
