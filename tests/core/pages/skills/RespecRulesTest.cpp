#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/LevelSlot.h"
#include "pages/skills/RespecRules.h"
#include "support/ShippedDatabases.h"

namespace {

TEST(RespecRules, ResetLevelStoneAndPreviousSlot)
{
    const std::tuple<bool, float, int> resets[] = {{false, 50.0f, 1}, {true, 50.0f, 12}, {true, 35.0f, 8},
                                                   {true, 8.0f, 2},   {true, 7.0f, 1},   {true, 3.0f, 1},
                                                   {true, 1e9f, 12},  {true, -4.0f, 1},  {true, NAN, 1}};
    for (const auto& [autoTrain, level, reset] : resets)
        EXPECT_EQ(RespecResetLevel(autoTrain, level), reset) << autoTrain << " " << level;
    for (const float level : {19.0f, 20.0f, 21.0f, 40.0f, 40.5f, 50.0f})
        EXPECT_EQ(RespecNeedsStone(level), level != 20.0f && level != 40.0f) << level;
    for (const auto& [level, previous] :
         {std::pair{50.0f, 49.5f}, {41.0f, 40.5f}, {40.5f, 40.0f}, {40.0f, 39.0f}})
        EXPECT_EQ(PreviousSlotLevel(level), previous) << level;
}

// Banner Knight: Blades (auto-train), Crushing, Two-Handed, Polearms, Shield
// Fighting; Battle Cries, Field Surgery.
class ApplyRespecTest : public ShippedDatabases, public CDocumentObserver {
protected:
    void SetUp() override
    {
        m_doc = std::make_unique<CQuillmarDoc>(*s_english, m_settings);
        m_doc->SetClass("Banner Knight");
        m_doc->AddObserver(this);
    }
    void TearDown() override { m_doc->RemoveObserver(this); }
    void OnViewsUpdated(int) override { m_levelsTold.push_back(m_doc->GetLevel()); }
    void OnModifiedChanged(bool) override {}

    std::vector<int> Levels(int slot = -1) const
    {
        std::vector<int> levels;
        for (const std::string& line : m_doc->SkillLines())
            levels.push_back(slot < 0 ? m_doc->GetSpecLevel(line) : m_doc->SpecResult(slot).Get(line));
        return levels;
    }
    // Entries at 20 and 30, standing at 35.
    void PlanCareer()
    {
        m_doc->SetCareerMode(1);
        for (const auto& [level, line, value] :
             {std::tuple{20.0f, "Blades", 10}, {20.0f, "Crushing", 8}, {30.0f, "Polearms", 15}}) {
            m_doc->SetLevel(level);
            m_doc->SetSpecLevel(line, value);
        }
        m_doc->SetLevel(35.0f);
        m_doc->SetModified(false);
        m_levelsTold.clear();
    }

    CAppSettings m_settings;
    std::unique_ptr<CQuillmarDoc> m_doc;
    std::vector<float> m_levelsTold;
};

TEST_F(ApplyRespecTest, SingleModeResetsTheChosenLinesOnly)
{
    const std::vector<int> planned = {30, 20, 15, 10, 5, 25, 3};
    const std::tuple<const char*, float, std::vector<int>> cases[] = {
        {"", 50.0f, {12, 1, 1, 1, 1, 1, 1}},
        {"Battle Cries", 50.0f, {30, 20, 15, 10, 5, 1, 3}},
        {"Blades", 35.0f, {8, 20, 15, 10, 5, 25, 3}},
        {"blades", 50.0f, planned}};  // names are compared exactly
    for (const auto& [chosen, level, levels] : cases) {
        m_doc->SetLevel(level);
        for (std::size_t i = 0; i < planned.size(); ++i)
            m_doc->SetSpecLevel(m_doc->SkillLines()[i], planned[i]);
        m_doc->SetAutoTrain("Blades", 0xFFF);
        m_doc->SetModified(false);
        ApplyRespec(*m_doc, chosen);
        EXPECT_EQ(Levels(), levels) << chosen << " at " << level;
        EXPECT_EQ(m_doc->IsModified(), levels != planned) << chosen;
        EXPECT_EQ(m_doc->GetAutoTrain("Blades"), 0xFFF);
    }
    EXPECT_TRUE(m_levelsTold.empty());
}

TEST_F(ApplyRespecTest, CareerRespecKeepsTheLevelsBeforeItsSlot)
{
    PlanCareer();
    std::vector<std::vector<int>> before;
    for (int slot = 0; slot <= 34; ++slot)
        before.push_back(Levels(slot));

    ApplyRespec(*m_doc, "");

    EXPECT_TRUE(m_doc->IsRespecAt(35));
    EXPECT_EQ(m_doc->SpecPlan(34).Count(), 7);  // the previous slot's levels fixed in its plan
    EXPECT_EQ(Levels(), (std::vector<int>{8, 1, 1, 1, 1, 1, 1}));
    EXPECT_TRUE(m_doc->IsModified());
    ASSERT_FALSE(m_levelsTold.empty());
    EXPECT_EQ(m_levelsTold.back(), 35.0f);
    // Training after the respec cannot reach back before it.
    m_doc->SetLevel(45.0f);
    m_doc->SetSpecLevel("Two-Handed", 20);
    for (int slot = 0; slot <= 34; ++slot)
        EXPECT_EQ(Levels(slot), before[static_cast<std::size_t>(slot)]) << "slot " << slot;
}

// At the first level there is no slot before to fix.
TEST_F(ApplyRespecTest, CareerRespecAtTheFirstLevel)
{
    PlanCareer();
    m_doc->SetLevel(5.0f);
    ApplyRespec(*m_doc, "Crushing");
    EXPECT_TRUE(m_doc->IsRespecAt(5));
    for (int slot = 0; slot <= 4; ++slot)
        EXPECT_TRUE(m_doc->SpecPlan(slot).IsEmpty()) << slot;
    EXPECT_EQ(m_doc->SpecPlan(5).Count(), 1);
}

}  // namespace
