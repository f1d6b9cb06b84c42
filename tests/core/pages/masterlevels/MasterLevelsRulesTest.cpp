#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "pages/masterlevels/MasterLevelsRules.h"
#include "support/MiniDatabase.h"

namespace {

using namespace masterlevels_rules;

TEST(MasterLevelsRules, TimerTextsAndPictures)
{
    const std::tuple<int, std::string_view, int> timers[] = {{0, "", -1}, {1, "1", 0}, {7, "7", 6},
                                                             {8, "8", -1}, {-3, "-3", -1}};
    for (const auto& [timer, text, picture] : timers)
        EXPECT_EQ(std::make_tuple(TimerText(timer), TimerPicture(text)), std::make_tuple(std::string(text), picture));
}

// Both tracks of the Cleric have levels 1..10, the second's backwards in the file.
TEST(MasterLevelsRules, MarksFollowTheChosenTrackAndLevel)
{
    std::string levels = "Light;0;Light;About.;;;;;;0\n";
    for (int n = 1; n <= 10; ++n)
        levels += "Light;" + std::to_string(n) + ";L" + std::to_string(n) + ";;;;;;;" + std::to_string(n % 9) +
                  "\nShade;" + std::to_string(11 - n) + ";S" + std::to_string(11 - n) + ";;;;;;;0\n";
    const auto marks = [](const MasterLevelsModel& model) {
        std::string shown;
        for (const auto& list : model.lists)
            for (const LevelRow& row : list)
                shown += row.marked ? '1' : '0';
        return shown;
    };
    MiniDatabase world{{{"malines.csv", "Cleric;Light;Shade\n"}, {"malevel.csv", levels}}, "Cleric"};
    // stored option and level → marks; switching the track keeps the level
    const std::tuple<int, int, std::string_view> cases[] = {
        {0, 0, "00000000000000000000"}, {0, 10, "11111111110000000000"}, {1, 10, "00000000001111111111"},
        {3, 2, "00000000001100000000"}, {0, -1, "00000000000000000000"}, {0, 11, "11111111110000000000"}};
    for (const auto& [option, level, expected] : cases) {
        world.doc.StoreMasterLevels(option, level);
        MasterLevelsModel model = BuildModel(world.db, world.doc);
        EXPECT_EQ(marks(model), expected) << option << ' ' << level;
        EXPECT_EQ(model.description, Description(world.db, option == 0 ? "Light" : "Shade", 0));
        Choose(model, world.db, 1 - model.chosen, model.level);
        EXPECT_EQ(marks(model), std::string(expected.substr(10)) + std::string(expected.substr(0, 10)));
    }
    const MasterLevelsModel model = BuildModel(world.db, world.doc);
    EXPECT_EQ(std::make_tuple(model.lists[1][0].name, model.lists[0][6].timer, model.lists[0][8].timer),
              std::make_tuple(std::string("S1"), 7, 0));
    EXPECT_EQ(world.db.Selection().masterLevelTrack, -1);
    EXPECT_NE(model.description.find("About."), std::string::npos);
    EXPECT_EQ(Description(world.db, "light", 0), "");

    MiniDatabase none{{{"malines.csv", "Cleric;Light;Shade\n"}, {"malevel.csv", levels}}, "Blademaster"};
    none.doc.StoreMasterLevels(0, 10);
    const MasterLevelsModel empty = BuildModel(none.db, none.doc);
    EXPECT_EQ(std::make_tuple(empty.tracks[0] + empty.tracks[1] + empty.description, marks(empty), empty.level),
              std::make_tuple(std::string(), std::string(), 10));
}

}  // namespace
