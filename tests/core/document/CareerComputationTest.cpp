#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/CareerComputation.h"
#include "document/LevelSlot.h"
#include "document/RealmRank.h"
#include "support/ShippedDatabases.h"

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kPlenty = 1'000'000;
constexpr std::int32_t kCleric = -1;  // earns 2 + 3 + ... + L by level L

int WholeLevel(int slot)
{
    return static_cast<int>(level_slot::LevelOfSlot(slot));
}

TEST(CareerRules, CostsAllowancesAndBits)
{
    const std::pair<std::int32_t, std::int32_t> costs[] = {
        {-5, 0},       {0, 0},      {1, 0}, {2, 2}, {3, 5}, {10, 54}, {50, 1274}, {65535, 2147450879},
        {65536, kMax}, {kMax, kMax}};
    for (const auto& [level, cost] : costs)
        EXPECT_EQ(SkillPointCost(level), cost) << level;
    EXPECT_EQ(ExactSkillPointCost(65536), 2147516415);

    const std::tuple<int, std::int32_t, std::int32_t> allowances[] = {
        {7, 0xFFF, 0},   {8, 0b11, 2}, {11, 0b111, 2}, {12, 0b111, 5}, {47, 0xFFF, 65}, {48, 0xFFF, 77},
        {50, 0xFFF, 77}, {50, 0b1, 0}, {50, 0b100, 3}, {8, 0b100, 0},  {-8, 0xFFF, 0},  {60, -1, 77}};
    for (const auto& [level, mask, points] : allowances)
        EXPECT_EQ(AutoTrainAllowance(level, mask), points) << level << " " << mask;
}

// Lines "A" and "B"; every slot earns the same points, or the Cleric's.
struct Career {
    explicit Career(std::int32_t points)
    {
        for (int r = 0; r < level_slot::kCount; ++r)
            earned[r] = points == kCleric ? SkillPointCost(WholeLevel(r)) : points;
    }
    void Compute() { ComputeCareer({lines, earned, plan, respecAt, masks}, levels, left); }

    std::vector<std::string> lines{"A", "B"};
    SlotArray<std::int32_t> earned{}, left{};
    SlotArray<CNamedValueList> plan, levels;
    SlotArray<std::uint8_t> respecAt{};
    CNamedValueList masks;
};

struct CareerCase {
    const char* what;
    std::int32_t points;
    std::int32_t maskOfA;
    std::vector<std::tuple<int, const char*, std::int32_t, bool>> entries;  // slot, line, level, respec
    std::vector<std::pair<int, std::int32_t>> levelsOfA;                    // slot, level
};

TEST(ComputeCareer, LevelsPerSlotAndThePointsLeft)
{
    const CareerCase cases[] = {
        // Trained as early as every later slot keeps a point spare.
        {"spread", kCleric, 0, {{10, "A", 5, false}}, {{2, 1}, {3, 2}, {4, 3}, {6, 5}, {10, 5}, {60, 5}}},
        {"never lowered", kPlenty, 0, {{10, "A", 8, false}, {20, "A", 3, false}}, {{9, 8}, {20, 8}, {60, 8}}},
        {"respec", kPlenty, 0, {{10, "A", 8, false}, {20, "A", 3, true}}, {{19, 8}, {20, 3}, {60, 3}}},
        {"respec of B only", kPlenty, 0, {{10, "A", 8, false}, {20, "B", 3, true}}, {{20, 8}}},
        // Kept as 0, and nothing is trained towards it.
        {"below 1", kPlenty, 0, {{10, "A", -3, true}}, {{9, 1}, {10, 0}, {60, 0}}},
        // At most 1 before the step at 8, 2 before the step at 12; the steps are free.
        {"steps 8, 12", kPlenty, 0b111, {}, {{6, 1}, {7, 1}, {8, 2}, {11, 2}, {12, 3}, {60, 3}}},
        {"step 8, plan", kPlenty, 0b11, {{20, "A", 10, false}}, {{6, 1}, {7, 1}, {8, 2}, {9, 9}, {20, 10}}},
        // The highest step: at most 11 until level 48.
        {"steps 8, 48",
         kPlenty,
         0x803,
         {{20, "A", 20, false}},
         {{9, 9}, {19, 11}, {20, 11}, {55, 11}, {56, 20}}},
        {"step 48", kPlenty, 0x801, {{30, "A", 30, false}}, {{5, 5}, {11, 11}, {30, 11}, {55, 11}, {56, 30}}},
        // Level 44 has two slots; the step is taken at the first.
        {"step 44", kPlenty, 0x401, {}, {{46, 10}, {47, 10}, {48, 11}, {49, 11}, {60, 11}}},
        {"bit 0 alone limits nothing", kPlenty, 0b1, {{20, "A", 20, false}}, {{12, 12}, {20, 20}}},
    };
    for (const CareerCase& c : cases) {
        Career career(c.points);
        career.masks.Set("A", c.maskOfA);
        for (const auto& [slot, line, value, respec] : c.entries) {
            career.plan[slot].Set(line, value);
            career.respecAt[slot] = respec ? 1 : 0;
        }
        career.levels[10].Set("Old", 7);
        career.Compute();
        for (const auto& [slot, level] : c.levelsOfA)
            EXPECT_EQ(career.levels[slot].Get("A"), level) << c.what << ", slot " << slot;
        EXPECT_EQ(career.levels[10].Get("Old"), 7) << c.what;
        for (int r = 0; r < level_slot::kCount; ++r) {
            std::int64_t expected = career.earned[r];
            for (const std::string& line : career.lines) {
                ASSERT_TRUE(career.levels[r].Contains(line)) << c.what;
                expected -= SkillPointCost(career.levels[r].Get(line));
                expected += AutoTrainAllowance(WholeLevel(r), career.masks.Get(line));
            }
            EXPECT_EQ(career.left[r], expected) << c.what << ", slot " << r;
        }
    }
}

TEST(ComputeCareer, PointsLeftStayWithin32Bits)
{
    Career career(kMin);
    career.plan[60].Set("B", 50);
    career.Compute();
    EXPECT_EQ(career.left[60], kMin);
}

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

class CareerDocument : public ShippedDatabases {};

TEST_F(CareerDocument, OnlyAChangedRespecFlagModifiesTheDocument)
{
    CAppSettings settings;
    CQuillmarDoc doc(*s_english, settings);
    doc.SetClass("Banner Knight");
    doc.SetCareerMode(1);
    doc.SpecPlan(10).Set("Crushing", 8);
    doc.SpecPlan(20).Set("Crushing", 3);
    // flag, whether it modifies, Crushing at 20 then
    for (const auto& [flag, modifies, crushing] :
         {std::tuple{false, false, 8}, {true, true, 3}, {true, false, 3}, {false, true, 8}}) {
        doc.SetModified(false);
        doc.SetRespecAt(20.0f, flag);
        EXPECT_EQ(doc.IsRespecAt(20), flag);
        EXPECT_EQ(doc.IsModified(), modifies) << flag;
        EXPECT_EQ(doc.SpecResult(20).Get("Crushing"), crushing) << flag;
    }
}

}  // namespace
