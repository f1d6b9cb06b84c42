#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <set>
#include <string>

#include "database/CGameDatabase.h"
#include "document/LevelSlot.h"
#include "document/RealmRank.h"
#include "support/TempDataFolder.h"

namespace {

// Level slots ------------------------------------------------------------------------

TEST(LevelSlot, SlotOfLevel)
{
    struct Case {
        float level;
        int slot;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (const Case& c : {Case{40.5f, 41}, Case{45.3f, 50}, Case{50.0f, 60}, Case{7.9f, 7}, Case{5.0f, 5},
                          Case{40.0f, 40}, Case{40.4f, 40}, Case{41.0f, 42}, Case{49.5f, 59}, Case{49.9f, 59},
                          Case{1.0f, 1}, Case{0.5f, 0}, Case{0.0f, 0}, Case{-3.0f, 0}, Case{nan, 0},
                          Case{-inf, 0}, Case{55.0f, 60}, Case{inf, 60}}) {
        EXPECT_EQ(level_slot::SlotOfLevel(c.level), c.slot) << c.level;
    }
}

TEST(LevelSlot, LevelOfSlotIsTheInverseAndClampsOutsideTheSlots)
{
    struct Case {
        int slot;
        float level;
    };
    for (const Case& c : {Case{0, 0.0f}, Case{5, 5.0f}, Case{40, 40.0f}, Case{41, 40.5f}, Case{50, 45.0f},
                          Case{59, 49.5f}, Case{60, 50.0f}, Case{-1, 0.0f}, Case{61, 50.0f}, Case{1000, 50.0f}}) {
        EXPECT_EQ(level_slot::LevelOfSlot(c.slot), c.level) << c.slot;
    }
    for (int slot = 0; slot < level_slot::kCount; ++slot)
        EXPECT_EQ(level_slot::SlotOfLevel(level_slot::LevelOfSlot(slot)), slot) << slot;
}

// Realm rank codes ---------------------------------------------------------------------

TEST(RealmRank, CodeText)
{
    struct Case {
        int code;
        const char* text;
    };
    for (const Case& c : {Case{0, "R1L0"}, Case{1, "R1L1"}, Case{9, "R1L9"}, Case{10, "R2L0"}, Case{55, "R6L5"},
                          Case{99, "R10L9"}, Case{100, "R10L10"}, Case{101, "R11L1"}, Case{109, "R11L9"},
                          Case{110, "R12L0"}, Case{111, ""}, Case{-1, ""}, Case{-10, ""},
                          Case{std::numeric_limits<int>::max(), ""}}) {
        EXPECT_EQ(realm_rank::CodeText(c.code), c.text) << c.code;
    }
}

TEST(RealmRank, PointsText)
{
    struct Case {
        int code;
        bool minusOne;
        const char* text;
    };
    for (const Case& c : {Case{0, false, "0"}, Case{1, false, "1"}, Case{2, false, "25"}, Case{3, false, "125"},
                          Case{5, false, "750"}, Case{10, false, "7.125"}, Case{100, false, "8.208.750"},
                          Case{101, false, "9.111.713"}, Case{110, false, "23.308.097"},
                          Case{110, true, "23.308.096"}, Case{1, true, "0"}, Case{0, true, "-1"},
                          Case{111, false, ""}, Case{111, true, ""}, Case{-1, false, ""}}) {
        EXPECT_EQ(realm_rank::PointsText(c.code, c.minusOne), c.text) << c.code << " " << c.minusOne;
    }
}

// Up to R10L10 every code needs 25 times the sum of the squares below it; the
// figures above must keep rising.
TEST(RealmRank, PointsGrowWithTheSumOfSquaresThenKeepRising)
{
    std::int64_t squares = 0;
    for (int n = 2; n <= 100; ++n) {
        squares += static_cast<std::int64_t>(n - 1) * (n - 1);
        EXPECT_EQ(realm_rank::PointsOf(n), 25 * squares) << n;
    }
    for (int code = 1; code <= realm_rank::kMaxCode; ++code)
        EXPECT_GT(*realm_rank::PointsOf(code), *realm_rank::PointsOf(code - 1)) << code;
    EXPECT_FALSE(realm_rank::PointsOf(111).has_value());
    EXPECT_FALSE(realm_rank::PointsOf(-1).has_value());
}

TEST(RealmRank, DottedNumber)
{
    struct Case {
        std::int64_t value;
        const char* text;
    };
    for (const Case& c : {Case{0, "0"}, Case{7, "7"}, Case{123, "123"}, Case{1234, "1.234"}, Case{999999, "999.999"},
                          Case{1000000, "1.000.000"}, Case{1234567, "1.234.567"}, Case{-1, "-1"},
                          Case{-1234, "-1.234"}, Case{-123456, "-123.456"},
                          Case{std::numeric_limits<std::int64_t>::min(), "-9.223.372.036.854.775.808"}}) {
        EXPECT_EQ(realm_rank::DottedNumber(c.value), c.text) << c.value;
    }
}

// Titles are indexed realm + 3 * (code / 10): ten codes share one title.
TEST(RealmRank, TitleIndexesRealmAndRankInEitherLanguage)
{
    struct Case {
        int code;
        RealmIndex realm;
        const char* english;
        const char* german;
    };
    for (const Case& c : {Case{0, 0, "Squire", "Knappe"}, Case{9, 2, "Youngblood", "Jungmann"},
                          Case{10, 1, "Grovewatcher", "Hainw\xE4" "chter"}, Case{39, 0, "Knight", "Ritter"},
                          Case{99, 2, "Rune King", "Runenk\xF6" "nig"}, Case{100, 0, "Elector", "Kurf\xFC" "rst"},
                          Case{110, 2, "World Warden", "Weltenw\xE4" "chter"}}) {
        EXPECT_EQ(realm_rank::Title(c.code, c.realm, false), c.english) << c.code << "/" << c.realm;
        EXPECT_EQ(realm_rank::Title(c.code, c.realm, true), c.german) << c.code << "/" << c.realm;
    }
    for (const auto& [code, realm] : {std::pair{111, 0}, std::pair{-1, 0}, std::pair{0, -1}, std::pair{0, 3},
                                      std::pair{50, kNoRealm}}) {
        EXPECT_EQ(realm_rank::Title(code, realm, false), "") << code << "/" << realm;
        EXPECT_EQ(realm_rank::Title(code, realm, true), "") << code << "/" << realm;
    }
}

TEST(RealmRank, EveryRankOfARealmHasItsOwnTitle)
{
    for (const bool german : {false, true}) {
        for (RealmIndex realm = 0; realm < kRealmCount; ++realm) {
            std::set<std::string> titles;
            for (int code = 0; code <= realm_rank::kMaxCode; code += 10)
                titles.insert(std::string(realm_rank::Title(code, realm, german)));
            EXPECT_EQ(titles.size(), 12u) << realm << " " << german;
            EXPECT_EQ(titles.count(""), 0u);
        }
    }
}

TEST(RealmRank, TitleFollowsTheDatabaseLanguage)
{
    for (const char* folder : {"de", "en"}) {
        CGameDatabase database(ShippedDataRoot().string());
        database.Load(folder);
        ASSERT_TRUE(database.IsLoaded()) << folder;
        const bool german = std::string(folder) == "de";
        EXPECT_EQ(realm_rank::Title(45, 1, database), german ? "Quellh\xFC" "ter" : "Springwarden") << folder;
    }
}

}  // namespace
