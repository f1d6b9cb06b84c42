#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "pages/masterlevels/MasterLevelsRules.h"
#include "support/MiniDatabase.h"

namespace {

using namespace masterlevels_rules;

TEST(MasterLevelsRules, MarksTimerTextsAndPictures)
{
    // track, row, chosen, level → marked
    const std::tuple<int, int, int, int, bool> marks[] = {
        {0, 0, 0, 0, false}, {0, 0, 0, 1, true},  {0, 1, 0, 1, false}, {0, 9, 0, 10, true},
        {0, 9, 0, 9, false}, {1, 0, 0, 10, false}, {1, 6, 1, 6, false}, {1, 5, 1, 6, true},
        {0, -1, 0, 10, false}, {0, 0, 0, -1, false}, {0, 10, 0, 11, true},
    };
    for (const auto& [track, row, chosen, level, marked] : marks)
        EXPECT_EQ(IsMarked(track, row, chosen, level), marked) << track << ' ' << row << ' ' << chosen << ' ' << level;

    // timer → cell text → picture
    const std::tuple<int, std::string_view, int> timers[] = {
        {0, "", -1}, {1, "1", 0}, {7, "7", 6}, {8, "8", -1}, {-3, "-3", -1}, {12, "12", -1},
    };
    for (const auto& [timer, text, picture] : timers) {
        EXPECT_EQ(TimerText(timer), text) << timer;
        EXPECT_EQ(TimerPicture(text), picture) << timer;
    }
    EXPECT_EQ(TimerPicture("3x"), 2);
    EXPECT_EQ(TimerPicture("x3"), -1);
    EXPECT_EQ(ColumnTitles(0), (std::vector<std::string>{"Name", "Timer"}));
    EXPECT_EQ(ColumnTitles(1), (std::vector<std::string>{"", "Timer"}));
}

TEST(MasterLevelsRules, TheSameRowIsDescribedOncePerList)
{
    DescribedRows rows;
    // track, row → described anew
    const std::tuple<int, int, bool> steps[] = {
        {0, -1, false}, {0, 2, true}, {0, 2, false}, {1, 2, true}, {1, 2, false},
        {0, 2, false},  {0, 3, true}, {1, -1, true}, {2, 0, false},
    };
    for (const auto& [track, row, anew] : steps)
        EXPECT_EQ(rows.Take(track, row), anew) << track << ' ' << row;
    EXPECT_EQ(rows.Row(0), 3);
    EXPECT_EQ(rows.Row(1), -1);
}

std::string Level(const char* track, int level, int timer)
{
    const std::string n = std::to_string(level);
    return std::string(track) + ";" + n + ";" + track + " " + n + ";About " + n + ".;;;;;;" + std::to_string(timer) + "\n";
}

std::string Levels()
{
    // The second track lists its levels backwards: the page shows them 1 to 10.
    std::string file = Level("Light", 0, 0) + Level("Shade", 0, 0);
    for (int level = 1; level <= 10; ++level)
        file += Level("Light", level, level % 9) + Level("Shade", 11 - level, 0);
    return file;
}

class MasterLevelsModelTest : public ::testing::Test {
protected:
    MiniDatabase m_world{{{"malines.csv", "Cleric;Light;Shade\n"}, {"malevel.csv", Levels()}}, "Cleric"};

    static std::string Marks(const MasterLevelsModel& model)
    {
        std::string marks;
        for (const auto& list : model.lists) {
            for (const LevelRow& row : list)
                marks += row.marked ? '1' : '0';
            marks += '|';
        }
        return marks;
    }
};

TEST_F(MasterLevelsModelTest, ListsMarksAndDescriptionFollowTheDocument)
{
    // stored option, stored level → marks
    const std::tuple<int, int, std::string_view> cases[] = {
        {0, 0, "0000000000|0000000000|"},  {0, 10, "1111111111|0000000000|"},
        {1, 6, "0000000000|1111110000|"},  {1, 10, "0000000000|1111111111|"},
        {3, 2, "0000000000|1100000000|"},  {0, -1, "0000000000|0000000000|"},
        {0, 11, "1111111111|0000000000|"},
    };
    for (const auto& [option, level, marks] : cases) {
        m_world.doc.SetMasterLevelOption(option);
        m_world.doc.SetMasterLevel(level);
        const int trackBefore = m_world.db.Selection().masterLevelTrack;
        const MasterLevelsModel model = BuildModel(m_world.db, m_world.doc);
        EXPECT_EQ(m_world.db.Selection().masterLevelTrack, trackBefore);
        EXPECT_EQ(Marks(model), marks) << option << ' ' << level;
        EXPECT_EQ(model.level, level);
        EXPECT_EQ(model.description, Description(m_world.db, option == 0 ? "Light" : "Shade", 0));
    }
    const MasterLevelsModel model = BuildModel(m_world.db, m_world.doc);
    EXPECT_EQ(model.tracks, (std::array<std::string, 2>{"Light", "Shade"}));
    ASSERT_EQ(model.lists[0].size(), 10u);
    ASSERT_EQ(model.lists[1].size(), 10u);
    EXPECT_EQ(model.lists[1][0].name, "Shade 1");
    EXPECT_EQ(model.lists[1][9].name, "Shade 10");
    EXPECT_EQ(model.lists[0][8].timer, 0);  // level 9
    EXPECT_EQ(model.lists[0][9].timer, 1);  // level 10
    EXPECT_EQ(model.lists[0][6].timer, 7);
    EXPECT_NE(model.description.find("About 0."), std::string::npos);
    EXPECT_NE(Description(m_world.db, "Shade", 4).find("<b>Shade 4</b>"), std::string::npos);
    EXPECT_EQ(Description(m_world.db, "Shade", 11), "");
    EXPECT_EQ(Description(m_world.db, "shade", 1), "");
}

TEST_F(MasterLevelsModelTest, SwitchingTheTrackMovesTheMarksAndKeepsTheLevel)
{
    m_world.doc.SetMasterLevel(4);
    MasterLevelsModel model = BuildModel(m_world.db, m_world.doc);
    EXPECT_EQ(Marks(model), "1111000000|0000000000|");
    Choose(model, m_world.db, 1, model.level);
    EXPECT_EQ(Marks(model), "0000000000|1111000000|");
    EXPECT_EQ(model.description, Description(m_world.db, "Shade", 0));
    Choose(model, m_world.db, 1, 0);
    EXPECT_EQ(Marks(model), "0000000000|0000000000|");
}

TEST(MasterLevelsRules, AClassWithoutTracksShowsEmptyListsAndKeepsItsLevel)
{
    MiniDatabase world{{{"malines.csv", "Cleric;Light;Shade\n"}, {"malevel.csv", Levels()}}, "Blademaster"};
    world.doc.SetMasterLevel(10);
    MasterLevelsModel model = BuildModel(world.db, world.doc);
    EXPECT_EQ(model.tracks, (std::array<std::string, 2>{}));
    EXPECT_TRUE(model.lists[0].empty() && model.lists[1].empty());
    EXPECT_EQ(model.description, "");
    EXPECT_EQ(model.level, 10);
    Choose(model, world.db, 1, 0);
    EXPECT_EQ(model.level, 0);
}

}  // namespace
