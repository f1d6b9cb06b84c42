#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/LevelSlot.h"
#include "pages/skills/RespecRules.h"
#include "support/ShippedDatabases.h"

namespace {

struct ResetCase {
    bool autoTrain;
    float level;
    int expected;
};

TEST(RespecResetLevel, IsOneOrTheAutoTrainLevel)
{
    const ResetCase cases[] = {
        {false, 50.0f, 1},   {false, 5.0f, 1}, {true, 50.0f, 12},
        {true, 49.5f, 12},   {true, 35.0f, 8}, {true, 40.5f, 10},
        {true, 8.0f, 2},     {true, 7.0f, 1},  {true, 5.0f, 1},
        {true, 3.0f, 1},  // never below the level every line has
        {true, 1000.0f, 12}, {true, -4.0f, 1}, {true, std::numeric_limits<float>::quiet_NaN(), 1},
    };
    for (const ResetCase& c : cases)
        EXPECT_EQ(RespecResetLevel(c.autoTrain, c.level), c.expected) << c.autoTrain << " " << c.level;
}

TEST(RespecNeedsStone, OnlyLevelsTwentyAndFortyAreFree)
{
    for (const float level : {20.0f, 40.0f})
        EXPECT_FALSE(RespecNeedsStone(level)) << level;
    for (const float level : {5.0f, 19.0f, 21.0f, 35.0f, 39.0f, 40.5f, 41.0f, 50.0f})
        EXPECT_TRUE(RespecNeedsStone(level)) << level;
}

TEST(PreviousSlotLevel, StepsBackOneSlot)
{
    const std::pair<float, float> cases[] = {
        {50.0f, 49.5f}, {41.0f, 40.5f}, {40.5f, 40.0f}, {40.0f, 39.0f}, {20.0f, 19.0f}, {5.0f, 4.0f},
    };
    for (const auto& [level, previous] : cases) {
        EXPECT_EQ(PreviousSlotLevel(level), previous) << level;
        EXPECT_EQ(level_slot::SlotOfLevel(PreviousSlotLevel(level)), level_slot::SlotOfLevel(level) - 1)
            << level;
    }
}

// Records the level the document stands at whenever it tells its views.
class LevelObserver : public CDocumentObserver {
public:
    explicit LevelObserver(const CQuillmarDoc& document) : m_document(document) {}
    void OnViewsUpdated(int hint) override { updates.push_back({hint, m_document.GetLevel()}); }
    void OnModifiedChanged(bool) override {}

    std::vector<std::pair<int, float>> updates;

private:
    const CQuillmarDoc& m_document;
};

// Banner Knight: style lines Blades (auto-train), Crushing, Two-Handed,
// Polearms, Shield Fighting; spell lines Battle Cries, Field Surgery.
class ApplyRespecTest : public ShippedDatabases {
protected:
    const std::vector<std::string> kBannerKnightLines = {
        "Blades", "Crushing", "Two-Handed", "Polearms", "Shield Fighting", "Battle Cries", "Field Surgery"};

    void MakeCharacter(const char* realm, const char* className, const char* race, float level)
    {
        m_doc = std::make_unique<CQuillmarDoc>(*s_english, m_settings);
        m_doc->SetRealm(realm);
        m_doc->SetClass(className);
        m_doc->SetRace(race);
        m_doc->ActivateSelection();
        m_doc->SetLevel(level);
    }
    void MakeBannerKnight(float level) { MakeCharacter("Caldor", "Banner Knight", "Human", level); }

    std::vector<int> Levels() const
    {
        std::vector<int> levels;
        for (const std::string& line : m_doc->SkillLines())
            levels.push_back(m_doc->GetSpecLevel(line));
        return levels;
    }
    std::vector<int> ResultAt(int slot) const
    {
        std::vector<int> levels;
        for (const std::string& line : m_doc->SkillLines())
            levels.push_back(m_doc->SpecResult(slot).Get(line));
        return levels;
    }
    // A career with entries at 20 and 30.
    void PlanCareer()
    {
        m_doc->SetCareerMode(1);
        m_doc->SetLevel(20.0f);
        m_doc->SetSpecLevel("Blades", 10);
        m_doc->SetSpecLevel("Crushing", 8);
        m_doc->SetSpecLevel("Battle Cries", 6);
        m_doc->SetLevel(30.0f);
        m_doc->SetSpecLevel("Polearms", 15);
        m_doc->SetLevel(35.0f);
    }

    CAppSettings m_settings;
    std::unique_ptr<CQuillmarDoc> m_doc;
};

TEST_F(ApplyRespecTest, OffersTheStyleLinesThenTheSpellLines)
{
    MakeBannerKnight(50.0f);
    EXPECT_EQ(RespecLines(*m_doc), kBannerKnightLines);
    EXPECT_EQ(RespecLines(*m_doc), m_doc->SkillLines());
    m_doc->SetClass("");
    EXPECT_TRUE(RespecLines(*m_doc).empty());
}

TEST_F(ApplyRespecTest, FullRespecAtFiftySetsLinesToOneAndAutoTrainLinesToTwelve)
{
    MakeBannerKnight(50.0f);
    const std::vector<int> planned = {30, 20, 15, 10, 5, 25, 3};
    for (std::size_t i = 0; i < planned.size(); ++i)
        m_doc->SetSpecLevel(kBannerKnightLines[i], planned[i]);
    m_doc->SetAutoTrain("Blades", 0xFFF);
    m_doc->SetExtraSpecPoints(7);
    const std::int32_t spentBefore = m_doc->SpentSpecPoints();

    ApplyRespec(*m_doc, "");

    EXPECT_EQ(Levels(), (std::vector<int>{12, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(m_doc->GetAutoTrain("Blades"), 0xFFF);
    EXPECT_EQ(m_doc->GetExtraSpecPoints(), 7);
    EXPECT_EQ(m_doc->GetLevel(), 50.0f);
    // Blades at 12 costs 77 and the mask gives 77 back.
    EXPECT_EQ(m_doc->SpentSpecPoints(), 0);
    EXPECT_LT(m_doc->SpentSpecPoints(), spentBefore);
    EXPECT_TRUE(m_doc->IsModified());
}

TEST_F(ApplyRespecTest, AutoTrainSpellLinesAreMarkedByTheClassToo)
{
    // Ashbinder: four spell lines, the last of them an auto-train line.
    MakeCharacter("Caldor", "Ashbinder", "Corvane", 50.0f);
    const std::vector<std::string> lines = m_doc->SkillLines();
    ASSERT_EQ(lines.size(), 4u);
    for (const std::string& line : lines)
        m_doc->SetSpecLevel(line, 20);
    ApplyRespec(*m_doc, "");
    EXPECT_EQ(Levels(), (std::vector<int>{1, 1, 1, 12}));
}

TEST_F(ApplyRespecTest, LineRespecTouchesOnlyTheChosenLine)
{
    struct Case {
        const char* chosen;
        float level;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"Battle Cries", 50.0f, {30, 20, 15, 10, 5, 1, 3}},  // a spell line
        {"Blades", 50.0f, {12, 20, 15, 10, 5, 25, 3}},
        {"Blades", 35.0f, {8, 20, 15, 10, 5, 25, 3}},  // a stone is needed, the respec still works
        {"Polearms", 35.0f, {30, 20, 15, 1, 5, 25, 3}},
        {"Nowhere", 50.0f, {30, 20, 15, 10, 5, 25, 3}},  // no such line: nothing
        {"blades", 50.0f, {30, 20, 15, 10, 5, 25, 3}},   // names are compared exactly
    };
    for (const Case& c : cases) {
        MakeBannerKnight(c.level);
        const std::vector<int> planned = {30, 20, 15, 10, 5, 25, 3};
        for (std::size_t i = 0; i < planned.size(); ++i)
            m_doc->SetSpecLevel(kBannerKnightLines[i], planned[i]);
        m_doc->SetModified(false);
        ApplyRespec(*m_doc, c.chosen);
        EXPECT_EQ(Levels(), c.expected) << c.chosen << " at " << c.level;
        EXPECT_EQ(m_doc->IsModified(), c.expected != planned) << c.chosen;
    }
}

TEST_F(ApplyRespecTest, CareerRespecKeepsTheLevelsBeforeItAndResetsFromItsSlot)
{
    MakeBannerKnight(50.0f);
    PlanCareer();
    std::vector<std::vector<int>> before;
    for (int slot = 0; slot <= 34; ++slot)
        before.push_back(ResultAt(slot));
    const std::int32_t pointsLeftBefore = m_doc->CareerPointsLeft(35);
    LevelObserver observer(*m_doc);
    m_doc->AddObserver(&observer);
    m_doc->SetModified(false);

    ApplyRespec(*m_doc, "");

    EXPECT_EQ(m_doc->GetLevel(), 35.0f);
    EXPECT_TRUE(m_doc->IsRespecAt(35));
    EXPECT_FALSE(m_doc->IsRespecAt(34));
    // The previous slot's levels became its plan.
    for (std::size_t i = 0; i < kBannerKnightLines.size(); ++i)
        EXPECT_EQ(m_doc->SpecPlan(34).Get(kBannerKnightLines[i]), before[34][i]) << kBannerKnightLines[i];
    EXPECT_EQ(m_doc->SpecPlan(34).Count(), static_cast<int>(kBannerKnightLines.size()));
    for (int slot = 0; slot <= 34; ++slot)
        EXPECT_EQ(ResultAt(slot), before[static_cast<std::size_t>(slot)]) << "slot " << slot;
    EXPECT_EQ(Levels(), (std::vector<int>{8, 1, 1, 1, 1, 1, 1}));
    EXPECT_GT(m_doc->CareerPointsLeft(35), pointsLeftBefore);
    EXPECT_TRUE(m_doc->IsModified());
    // The views were last told with the document back at its own level.
    ASSERT_FALSE(observer.updates.empty());
    EXPECT_EQ(observer.updates.back(), (std::pair<int, float>{0, 35.0f}));
    m_doc->RemoveObserver(&observer);

    // Training after the respec starts from the respec, not from before it.
    m_doc->SetLevel(45.0f);
    m_doc->SetSpecLevel("Two-Handed", 20);
    for (int slot = 0; slot <= 34; ++slot)
        EXPECT_EQ(ResultAt(slot), before[static_cast<std::size_t>(slot)]) << "slot " << slot;
}

TEST_F(ApplyRespecTest, CareerLineRespecLeavesTheOtherLinesOfTheSlot)
{
    MakeBannerKnight(50.0f);
    PlanCareer();
    std::vector<int> expected = ResultAt(35);
    std::vector<std::vector<int>> before;
    for (int slot = 0; slot <= 34; ++slot)
        before.push_back(ResultAt(slot));

    ApplyRespec(*m_doc, "Polearms");

    expected[3] = 1;
    EXPECT_EQ(ResultAt(35), expected);
    EXPECT_EQ(m_doc->SpecPlan(35).Count(), 1);
    // A later plan for a line the respec left alone still cannot reach back
    // before it: the previous slot holds that line's level.
    m_doc->SetLevel(45.0f);
    m_doc->SetSpecLevel("Shield Fighting", 30);
    for (int slot = 0; slot <= 34; ++slot)
        EXPECT_EQ(ResultAt(slot), before[static_cast<std::size_t>(slot)]) << "slot " << slot;
}

TEST_F(ApplyRespecTest, CareerRespecOfALineTheSlotHoldsTellsTheViewsAtTheDocumentsLevel)
{
    MakeBannerKnight(50.0f);
    PlanCareer();
    m_doc->SetSpecLevel("Polearms", 16);
    LevelObserver observer(*m_doc);
    m_doc->AddObserver(&observer);
    ApplyRespec(*m_doc, "Polearms");
    m_doc->RemoveObserver(&observer);
    EXPECT_EQ(m_doc->GetSpecLevel("Polearms"), 1);
    ASSERT_FALSE(observer.updates.empty());
    EXPECT_EQ(observer.updates.back(), (std::pair<int, float>{0, 35.0f}));
}

TEST_F(ApplyRespecTest, CareerRespecOfAnUnknownLineChangesNothing)
{
    MakeBannerKnight(50.0f);
    PlanCareer();
    m_doc->SetModified(false);
    ApplyRespec(*m_doc, "Nowhere");
    EXPECT_FALSE(m_doc->IsRespecAt(35));
    EXPECT_TRUE(m_doc->SpecPlan(34).IsEmpty());
    EXPECT_FALSE(m_doc->IsModified());
}

TEST_F(ApplyRespecTest, CareerRespecAboveFortyStepsBackHalfALevel)
{
    MakeBannerKnight(50.0f);
    PlanCareer();
    m_doc->SetLevel(40.5f);
    const std::vector<int> previous = ResultAt(40);
    ApplyRespec(*m_doc, "");
    EXPECT_EQ(m_doc->GetLevel(), 40.5f);
    EXPECT_TRUE(m_doc->IsRespecAt(41));
    EXPECT_EQ(m_doc->SpecPlan(40).Get("Polearms"), previous[3]);
    EXPECT_EQ(Levels(), (std::vector<int>{10, 1, 1, 1, 1, 1, 1}));
}

TEST_F(ApplyRespecTest, CareerRespecAtTheFirstLevelFixesNoOtherSlot)
{
    // There is no level below 5 to move to; moving there would clamp back to 5
    // and fix the current slot's levels in its plan.
    MakeBannerKnight(50.0f);
    m_doc->SetCareerMode(1);
    m_doc->SetLevel(5.0f);
    m_doc->SetSpecLevel("Crushing", 4);
    m_doc->SetLevel(30.0f);
    m_doc->SetSpecLevel("Polearms", 10);
    m_doc->SetLevel(5.0f);

    ApplyRespec(*m_doc, "Crushing");

    EXPECT_EQ(m_doc->GetLevel(), 5.0f);
    EXPECT_TRUE(m_doc->IsRespecAt(5));
    for (int slot = 0; slot <= 4; ++slot)
        EXPECT_TRUE(m_doc->SpecPlan(slot).IsEmpty()) << slot;
    EXPECT_EQ(m_doc->SpecPlan(5).Count(), 1);
    EXPECT_EQ(m_doc->GetSpecLevel("Crushing"), 1);
    EXPECT_FALSE(m_doc->SpecPlan(5).Contains("Polearms"));
}

TEST_F(ApplyRespecTest, SingleModeRespecLeavesTheCareerFlagsAlone)
{
    MakeBannerKnight(35.0f);
    m_doc->SetSpecLevel("Crushing", 20);
    LevelObserver observer(*m_doc);
    m_doc->AddObserver(&observer);
    ApplyRespec(*m_doc, "");
    m_doc->RemoveObserver(&observer);
    EXPECT_EQ(m_doc->GetSpecLevel("Crushing"), 1);
    for (int slot = 0; slot < CQuillmarDoc::kSlotCount; ++slot)
        EXPECT_FALSE(m_doc->IsRespecAt(slot)) << slot;
    EXPECT_TRUE(m_doc->SpecPlan(34).IsEmpty());
    EXPECT_EQ(m_doc->GetLevel(), 35.0f);
    EXPECT_TRUE(observer.updates.empty());
}

}  // namespace
