#include <gtest/gtest.h>

#include <limits>

#include "document/LevelSlot.h"
#include "document/RealmRank.h"

namespace {

TEST(LevelSlot, SlotOfLevel)
{
    struct Case {
        float level;
        int slot;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (const Case& c :
         {Case{40.5f, 41}, Case{45.3f, 50}, Case{50.0f, 60}, Case{7.9f, 7}, Case{5.0f, 5}, Case{40.0f, 40},
          Case{40.4f, 40}, Case{41.0f, 42}, Case{49.5f, 59}, Case{49.9f, 59}, Case{1.0f, 1}, Case{0.5f, 0},
          Case{0.0f, 0}, Case{-3.0f, 0}, Case{nan, 0}, Case{-inf, 0}, Case{55.0f, 60}, Case{inf, 60}}) {
        EXPECT_EQ(level_slot::SlotOfLevel(c.level), c.slot) << c.level;
    }
}

TEST(RealmRank, TitlesOnlyForCodesAndRealmsThatExist)
{
    for (const auto& [code, realm] : {std::pair{0, 0}, std::pair{110, 2}})
        EXPECT_NE(realm_rank::Title(code, realm, false), "") << code << "/" << realm;
    for (const auto& [code, realm] : {std::pair{111, 0}, std::pair{-1, 0}, std::pair{0, -1}, std::pair{0, 3}})
        EXPECT_EQ(realm_rank::Title(code, realm, true), "") << code << "/" << realm;
}

}  // namespace
