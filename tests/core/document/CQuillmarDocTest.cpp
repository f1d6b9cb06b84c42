#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/GameContent.h"
#include "document/LevelSlot.h"
#include "support/ShippedDatabases.h"
#include "support/MiniWorld.h"
#include "support/TempDataFolder.h"

namespace {

using level_slot::LevelOfSlot;

class RecordingObserver : public CDocumentObserver {
public:
    void OnViewsUpdated(int hint) override { hints.push_back(hint); }
    void OnModifiedChanged(bool modified) override { modifiedChanges.push_back(modified); }
    void Clear()
    {
        hints.clear();
        modifiedChanges.clear();
    }

    std::vector<int> hints;
    std::vector<bool> modifiedChanges;
};

// SkillPointCost written out as the sum 2 + 3 + ... + n.
std::int64_t CostBySum(std::int64_t level)
{
    std::int64_t sum = 0;
    for (std::int64_t k = 2; k <= level; ++k)
        sum += k;
    return sum;
}

// Mini world: four classes, hand-checkable points (the Cleric earns
// 2 + 3 + ... + L points up to level L) -----------------------------------------

//   Cleric      (Caldor)   Shield; Restoration (auto-train), Warding; races Human, Highborn
//   Blademaster (Glenmora) Sword (auto-train), Shield, Dagger; race Sylvan; points x2
//   Pyromancer  (Nordhal)  Staff; Flames, Restoration; races Dwarf, Jotun
//   Valkyrie    (Nordhal)  Shield; Warding; race Jotun
class MiniDoc : public ::testing::Test {
protected:
    MiniDoc() : database(world.folder.Path().parent_path().string()), doc(database, settings)
    {
        database.Load(world.folder.Path().filename().string());
    }

    void SetUp() override
    {
        ASSERT_TRUE(world.AllLoaded());
        ASSERT_EQ(database.Classes().Count(), 4);
        doc.AddObserver(&observer);
    }
    void TearDown() override { doc.RemoveObserver(&observer); }

    // A Cleric in career mode with nothing planned, observer and flag cleared.
    void CareerCleric(float level = 50.0f)
    {
        doc.New();
        doc.SetClass("Cleric");
        doc.SetRace("Human");
        doc.SetLevel(level);
        doc.SetCareerMode(1);
        doc.SetModified(false);
        observer.Clear();
    }

    std::int32_t ResultAt(int slot, const char* line) const { return doc.SpecResult(slot).Get(line); }

    MiniWorld world;
    CGameDatabase database;
    CAppSettings settings;
    CQuillmarDoc doc;
    RecordingObserver observer;
};

// New --------------------------------------------------------------------------------

TEST_F(MiniDoc, NewTakesTheRememberedSelectionCorrectedToWhatTheDatabaseOffers)
{
    struct Case {
        int lastRealm, lastClass, lastRace;
        const char *realm, *className, *race;
    };
    const std::vector<Case> cases = {
        {0, 0, 0, "Caldor", "Cleric", "Human"},
        {2, 3, 5, "Nordhal", "Valkyrie", "Jotun"},
        {1, 1, 2, "Glenmora", "Blademaster", "Sylvan"},
        {0, 0, 1, "Caldor", "Cleric", "Highborn"},
        {2, 0, 0, "Nordhal", "Pyromancer", "Dwarf"},  // class and race of another realm
        {1, 1, 0, "Glenmora", "Blademaster", "Sylvan"},
        {0, 2, 4, "Caldor", "Cleric", "Human"},
        {2, 2, 5, "Nordhal", "Pyromancer", "Jotun"},
        {7, 99, -4, "Caldor", "Cleric", "Human"},     // stale values: first of everything
        {-1, 2, 5, "Nordhal", "Pyromancer", "Jotun"},  // no realm: the class's realm
    };
    for (const Case& c : cases) {
        settings.Reset();
        settings.Set(setting::LAST_REALM, c.lastRealm);
        settings.Set(setting::LAST_CLASS, c.lastClass);
        settings.Set(setting::LAST_RACE, c.lastRace);
        doc.New();
        const std::string label =
            std::to_string(c.lastRealm) + "/" + std::to_string(c.lastClass) + "/" + std::to_string(c.lastRace);
        EXPECT_EQ(doc.GetRealm(), c.realm) << label;
        EXPECT_EQ(doc.GetClass(), c.className) << label;
        EXPECT_EQ(doc.GetRace(), c.race) << label;
        EXPECT_EQ(database.RealmNameOfSelection(), c.realm) << label;
        EXPECT_EQ(database.ClassName(), c.className) << label;
        EXPECT_EQ(database.RaceName(), c.race) << label;
        // New reads the remembered choices; it does not rewrite them.
        EXPECT_EQ(settings.Get(setting::LAST_CLASS), c.lastClass) << label;
    }
}

TEST_F(MiniDoc, NewWithoutRememberedChoicesStartsWithTheFirstEntries)
{
    doc.New();
    EXPECT_EQ(doc.GetRealm(), "Caldor");
    EXPECT_EQ(doc.GetClass(), "Cleric");
    EXPECT_EQ(doc.GetRace(), "Human");
}

TEST_F(MiniDoc, NewWithDontSaveSelectionLeavesRealmClassAndRaceEmpty)
{
    settings.Set(setting::LAST_REALM, 2);
    settings.Set(setting::LAST_CLASS, 3);
    settings.Set(setting::LAST_RACE, 5);
    settings.Set(setting::DONT_SAVE_SELECTION, 1);
    doc.StoreIdentity("Nordhal", "Jotun", "Valkyrie");
    doc.New();
    EXPECT_EQ(doc.GetRealm(), "");
    EXPECT_EQ(doc.GetClass(), "");
    EXPECT_EQ(doc.GetRace(), "");
}

TEST_F(MiniDoc, NewEmptiesAUsedDocument)
{
    doc.New();
    doc.SetLevel(20.0f);
    doc.SetRealmRank(44);
    doc.SetExtraSpecPoints(9);
    doc.AddStatRaise(2, 5);
    doc.SetCareerMode(1);
    doc.SetSpecLevel("Warding", 7);
    doc.SetRespecAt(30.0f, true);
    doc.SetAutoTrain("Restoration", 7);
    doc.SetRealmAbility("Old", 2);
    doc.SetRealmAbilityNf("New", 3);
    doc.SetOption(doc_option::CoopMode, 1);
    doc.SetMasterLevelOption(1);
    doc.SetMasterLevel(6);
    doc.SetBoundToFile(true);
    ASSERT_TRUE(doc.IsModified());
    observer.Clear();

    doc.New();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(observer.modifiedChanges, std::vector<bool>{false});
    EXPECT_FALSE(doc.IsBoundToFile());
    EXPECT_EQ(doc.GetLevel(), 50.0f);
    EXPECT_EQ(doc.GetRealmRank(), 0);
    EXPECT_EQ(doc.GetExtraSpecPoints(), 0);
    EXPECT_EQ(doc.GetStatRaises(), (std::array<std::int32_t, kStatCount>{}));
    EXPECT_EQ(doc.IsCareerMode(), 0);
    EXPECT_EQ(doc.GetMasterLevelOption(), 0);
    EXPECT_EQ(doc.GetMasterLevel(), 0);
    for (int slot = 0; slot < CQuillmarDoc::kSlotCount; ++slot) {
        EXPECT_TRUE(doc.SpecPlan(slot).IsEmpty()) << slot;
        EXPECT_FALSE(doc.IsRespecAt(slot)) << slot;
    }
    EXPECT_TRUE(doc.AutoTrainMasks().IsEmpty());
    EXPECT_TRUE(doc.RealmAbilities().IsEmpty());
    EXPECT_TRUE(doc.RealmAbilitiesNf().IsEmpty());
    EXPECT_TRUE(doc.Options().IsEmpty());
}

// Identity and selection ---------------------------------------------------------------

TEST_F(MiniDoc, SettingRealmRaceAndClassRemembersTheirNumbersWithoutModifying)
{
    struct Case {
        const char* realm;
        const char* race;
        const char* className;
        int realmNumber, raceIndex, classIndex;
    };
    for (const Case& c : {Case{"Glenmora", "Fennic", "Blademaster", 1, 3, 1},
                          Case{"Nordhal", "Jotun", "Valkyrie", 2, 5, 3}, Case{"Caldor", "Human", "Cleric", 0, 0, 0},
                          Case{"Atlantis", "Merfolk", "Wizard", -1, -1, -1}}) {
        doc.New();
        observer.Clear();
        doc.SetRealm(c.realm);
        doc.SetRace(c.race);
        doc.SetClass(c.className);
        EXPECT_EQ(doc.GetRealm(), c.realm);
        EXPECT_EQ(doc.GetRace(), c.race);
        EXPECT_EQ(doc.GetClass(), c.className);
        EXPECT_EQ(settings.Get(setting::LAST_REALM), c.realmNumber) << c.realm;
        EXPECT_EQ(settings.Get(setting::LAST_RACE), c.raceIndex) << c.race;
        EXPECT_EQ(settings.Get(setting::LAST_CLASS), c.classIndex) << c.className;
        EXPECT_EQ(database.Selection().classIndex, c.classIndex);
        EXPECT_EQ(database.Selection().race, c.raceIndex);
        EXPECT_FALSE(doc.IsModified()) << c.className;
        EXPECT_TRUE(observer.modifiedChanges.empty());
    }
}

TEST_F(MiniDoc, ChangingTheClassClearsRaisesPlansAndOldRulesAbilitiesButTheSameNameKeepsThem)
{
    doc.New();
    const auto fill = [this] {
        doc.AddStatRaise(0, 4);
        doc.SpecPlan(60).Set("Shield", 10);
        doc.SpecPlan(12).Set("Warding", 3);
        doc.SetRealmAbility("Old Rules", 2);
        doc.SetRealmAbilityNf("New Rules", 3);
        doc.SetAutoTrain("Restoration", 7);
    };
    fill();
    settings.Set(setting::LAST_CLASS, 42);

    doc.SetClass("Cleric");  // the same name
    EXPECT_EQ(doc.GetStatRaises()[0], 4);
    EXPECT_EQ(doc.SpecPlan(60).Get("Shield"), 10);
    EXPECT_EQ(doc.SpecPlan(12).Get("Warding"), 3);
    EXPECT_EQ(doc.GetRealmAbility("Old Rules"), 2);
    EXPECT_EQ(settings.Get(setting::LAST_CLASS), 42);

    database.SelectClass("Pyromancer");
    doc.SetClass("Cleric");  // still re-points the database
    EXPECT_EQ(database.ClassName(), "Cleric");

    doc.SetClass("cleric");  // names compare case-sensitively
    EXPECT_EQ(doc.GetStatRaises()[0], 0);
    doc.SetClass("Cleric");
    fill();
    doc.SetClass("Valkyrie");
    EXPECT_EQ(doc.GetStatRaises(), (std::array<std::int32_t, kStatCount>{}));
    for (int slot = 0; slot < CQuillmarDoc::kSlotCount; ++slot)
        EXPECT_TRUE(doc.SpecPlan(slot).IsEmpty()) << slot;
    EXPECT_EQ(doc.GetRealmAbility("Old Rules"), 0);
    EXPECT_EQ(doc.GetRealmAbilityNf("New Rules"), 3);
    EXPECT_EQ(doc.GetAutoTrain("Restoration"), 7);
    EXPECT_EQ(settings.Get(setting::LAST_CLASS), 3);
}

TEST_F(MiniDoc, ChangingTheClassInCareerModeRecalculatesForTheNewLines)
{
    CareerCleric();
    EXPECT_TRUE(doc.SpecResult(60).Contains("Warding"));
    EXPECT_FALSE(doc.SpecResult(60).Contains("Staff"));
    doc.SetClass("Pyromancer");
    EXPECT_EQ(doc.SpecResult(60).Get("Staff"), 1);
    EXPECT_EQ(doc.SpecResult(60).Get("Flames"), 1);
    EXPECT_EQ(doc.CareerPointsLeft(10), 54);
}

TEST_F(MiniDoc, ActivateSelectionPointsTheSharedDatabaseAtThisDocument)
{
    CAppSettings otherSettings;
    CQuillmarDoc other(database, otherSettings);
    doc.New();
    doc.SetClass("Cleric");
    doc.SetRace("Highborn");
    other.New();
    other.SetRealm("Nordhal");
    other.SetClass("Valkyrie");
    other.SetRace("Jotun");
    ASSERT_EQ(database.ClassName(), "Valkyrie");

    doc.ActivateSelection();
    EXPECT_EQ(database.ClassName(), "Cleric");
    EXPECT_EQ(database.RaceName(), "Highborn");
    EXPECT_EQ(database.Selection().realm, 0);
    other.ActivateSelection();
    EXPECT_EQ(database.ClassName(), "Valkyrie");
    EXPECT_EQ(database.RaceName(), "Jotun");
    EXPECT_EQ(database.Selection().realm, 2);

    // A document without class or race leaves none selected.
    CQuillmarDoc empty(database, otherSettings);
    empty.StoreIdentity("Glenmora", "", "");
    empty.ActivateSelection();
    EXPECT_EQ(database.Selection().classIndex, -1);
    EXPECT_EQ(database.Selection().race, -1);
    EXPECT_EQ(database.Selection().realm, 1);
}

// Level, rank, points -----------------------------------------------------------------

TEST_F(MiniDoc, SetLevelClampsAndMarksModifiedOnlyInSingleMode)
{
    struct Case {
        int career;
        float from, to, stored;
        bool modified;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const Case& c : {Case{0, 50.0f, 3.0f, 5.0f, true}, Case{0, 30.0f, 55.0f, 50.0f, true},
                          Case{0, 30.0f, 30.0f, 30.0f, false}, Case{0, 30.0f, 40.5f, 40.5f, true},
                          Case{0, 30.0f, nan, 30.0f, false}, Case{0, 5.0f, -100.0f, 5.0f, false},
                          Case{1, 50.0f, 20.0f, 20.0f, false}, Case{1, 30.0f, 3.0f, 5.0f, false}}) {
        doc.New();
        doc.StoreCareerMode(c.career);
        doc.StoreLevel(c.from);
        doc.SetModified(false);
        doc.SetLevel(c.to);
        EXPECT_EQ(doc.GetLevel(), c.stored) << c.career << " " << c.from << "->" << c.to;
        EXPECT_EQ(doc.IsModified(), c.modified) << c.career << " " << c.from << "->" << c.to;
    }
}

TEST_F(MiniDoc, SetRealmRankClampsAndModifies)
{
    for (const auto& [code, stored] : {std::pair{-5, 0}, std::pair{0, 0}, std::pair{57, 57}, std::pair{110, 110},
                                       std::pair{111, 110}, std::pair{100000, 110}}) {
        doc.New();
        doc.SetRealmRank(code);
        EXPECT_EQ(doc.GetRealmRank(), stored) << code;
        EXPECT_TRUE(doc.IsModified()) << code;
    }
}

TEST_F(MiniDoc, CoopModeRaisesTheEffectiveRealmRankByTheLevelsAboveTwenty)
{
    struct Case {
        int coop;
        float level;
        int rank, effective;
    };
    for (const Case& c : {Case{1, 50.0f, 30, 60}, Case{1, 15.0f, 30, 30}, Case{1, 20.0f, 30, 30},
                          Case{1, 21.0f, 30, 31}, Case{1, 40.5f, 5, 25}, Case{2, 49.5f, 0, 29},
                          Case{0, 50.0f, 30, 30}}) {
        doc.New();
        doc.SetOption(doc_option::CoopMode, c.coop);
        doc.SetLevel(c.level);
        doc.SetRealmRank(c.rank);
        EXPECT_EQ(doc.GetEffectiveRealmRank(), c.effective) << c.coop << " " << c.level << " " << c.rank;
        EXPECT_EQ(doc.GetRealmRank(), c.rank);
    }
}

TEST_F(MiniDoc, SkillPointsAtLevelAddTheExtraPoints)
{
    struct Case {
        const char* className;
        int extra;
        float level;
        std::int32_t points;
    };
    // Cleric: 2 + 3 + ... + L up to 40, then half a level's points per half level.
    // Blademaster: 2..5 as they are, from 6 on twice the level.
    for (const Case& c : {Case{"Cleric", 0, 10.0f, 54}, Case{"Cleric", 7, 10.0f, 61}, Case{"Cleric", 0, 5.0f, 14},
                          Case{"Cleric", 0, 40.5f, 839}, Case{"Cleric", -3, 1.0f, -3},
                          Case{"Blademaster", 0, 6.0f, 26}, Case{"Blademaster", 1, 7.0f, 41},
                          Case{"", 5, 50.0f, 5}}) {
        doc.New();
        doc.StoreIdentity("", "", c.className);
        doc.SetExtraSpecPoints(c.extra);
        EXPECT_EQ(doc.SkillPointsAtLevel(c.level), c.points) << c.className << " " << c.level;
        if (c.level >= 5.0f) {
            doc.SetLevel(c.level);
            EXPECT_EQ(doc.SkillPointsAtLevel(), c.points) << c.className << " at the document's level";
        }
    }
}

TEST_F(MiniDoc, StatRaisesClampToEighteenAndModify)
{
    doc.New();
    doc.AddStatRaise(3, 5);
    doc.AddStatRaise(3, 20);
    EXPECT_EQ(doc.GetStatRaises()[3], 18);
    doc.AddStatRaise(3, -7);
    EXPECT_EQ(doc.GetStatRaises()[3], 11);
    doc.AddStatRaise(3, std::numeric_limits<int>::min());
    EXPECT_EQ(doc.GetStatRaises()[3], 0);
    doc.AddStatRaise(7, std::numeric_limits<int>::max());
    EXPECT_EQ(doc.GetStatRaises()[7], 18);
    EXPECT_TRUE(doc.IsModified());
    const auto before = doc.GetStatRaises();
    doc.AddStatRaise(8, 1);
    doc.AddStatRaise(-1, 1);
    EXPECT_EQ(doc.GetStatRaises(), before);
}

TEST(DocumentRules, SkillPointCost)
{
    for (const auto& [level, cost] : {std::pair{1, 0}, std::pair{2, 2}, std::pair{3, 5}, std::pair{10, 54},
                                      std::pair{50, 1274}, std::pair{0, 0}, std::pair{-5, 0}}) {
        EXPECT_EQ(CQuillmarDoc::SkillPointCost(level), cost) << level;
    }
    for (int level = -2; level <= 60; ++level)
        EXPECT_EQ(CQuillmarDoc::SkillPointCost(level), CostBySum(level)) << level;
    // Beyond what 32 bits hold the cost stays the largest value instead of wrapping.
    EXPECT_EQ(CQuillmarDoc::SkillPointCost(65536), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(CQuillmarDoc::SkillPointCost(std::numeric_limits<std::int32_t>::max()),
              std::numeric_limits<std::int32_t>::max());
}

TEST(DocumentRules, AutoTrainAllowance)
{
    struct Case {
        int level;
        std::int32_t mask;
        std::int32_t allowance;
    };
    for (const Case& c : {Case{7, 0xFFF, 0}, Case{8, 0b11, 2}, Case{8, 0b111, 2}, Case{11, 0b111, 2},
                          Case{12, 0b111, 5}, Case{20, 0x1F, 14}, Case{20, 0xFFE, 14}, Case{20, 0b100001, 0},
                          Case{24, 0b100001, 6}, Case{48, 0xFFF, 77}, Case{50, 0xFFF, 77}, Case{47, 0xFFF, 65},
                          Case{50, 0, 0}, Case{50, 1, 0}, Case{3, 0xFFF, 0}, Case{-8, 0xFFF, 0},
                          Case{50, 0b100, 3}, Case{8, 0b100, 0}}) {
        EXPECT_EQ(CQuillmarDoc::AutoTrainAllowance(c.level, c.mask), c.allowance) << c.level << " " << c.mask;
    }
}

// Career mode and the plan --------------------------------------------------------------

TEST_F(MiniDoc, CareerModeIsAnOptionThatRecalculatesAndRefreshesWithoutModifying)
{
    doc.New();
    doc.SpecPlan(10).Set("Warding", 5);
    observer.Clear();
    doc.SetCareerMode(1);
    EXPECT_EQ(doc.IsCareerMode(), 1);
    EXPECT_EQ(doc.GetOption(doc_option::CareerMode), 1);
    EXPECT_EQ(observer.hints, std::vector<int>{0});
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.SpecResult(10).Get("Warding"), 5);

    doc.SetCareerMode(0);
    EXPECT_EQ(doc.IsCareerMode(), 0);
    EXPECT_FALSE(doc.Options().Contains(doc_option::CareerMode));
    EXPECT_EQ(observer.hints, (std::vector<int>{0, 0}));
    EXPECT_FALSE(doc.IsModified());
    // Leaving keeps the last result.
    EXPECT_EQ(doc.SpecResult(10).Get("Warding"), 5);
}

TEST_F(MiniDoc, OptionsAreSetOrRemovedWithoutModifying)
{
    doc.New();
    doc.SetOption(doc_option::CoopMode, 1);
    doc.SetOption(doc_option::ShowAllSpells, 3);
    EXPECT_EQ(doc.GetOption(doc_option::CoopMode), 1);
    doc.SetOption(doc_option::CoopMode, 0);
    EXPECT_FALSE(doc.Options().Contains(doc_option::CoopMode));
    EXPECT_EQ(doc.GetOption(doc_option::CoopMode), 0);
    EXPECT_EQ(doc.GetOption(doc_option::ShowAllSpells), 3);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(observer.modifiedChanges.empty());
}

TEST_F(MiniDoc, GetSpecLevelReadsSlotSixtyInSingleModeAndTheResultInCareerMode)
{
    doc.New();
    doc.SetLevel(20.0f);
    doc.SpecPlan(60).Set("Warding", 9);
    doc.SpecPlan(60).Set("Shield", 0);
    doc.SpecPlan(20).Set("Warding", 4);
    EXPECT_EQ(doc.GetSpecLevel("Warding"), 9);  // single mode ignores the level's slot
    EXPECT_EQ(doc.GetSpecLevel("Shield"), 1);   // never below 1
    EXPECT_EQ(doc.GetSpecLevel("Nothing"), 1);

    doc.SetCareerMode(1);
    // The level's slot of the result: the entry at 20 counts, the one at 60
    // only from level 50 on.
    EXPECT_EQ(doc.GetSpecLevel("Warding"), 4);
    doc.SetLevel(50.0f);
    EXPECT_EQ(doc.GetSpecLevel("Warding"), 9);
    doc.SetLevel(49.5f);
    EXPECT_EQ(doc.GetSpecLevel("Warding"), doc.SpecResult(59).Get("Warding"));
}

TEST_F(MiniDoc, SingleModeSetSpecLevelZeroRemovesTheLine)
{
    doc.New();
    doc.SetLevel(20.0f);
    doc.SetSpecLevel("Warding", 6);
    EXPECT_EQ(doc.SpecPlan(60).Get("Warding"), 6);
    EXPECT_TRUE(doc.SpecPlan(20).IsEmpty());
    EXPECT_TRUE(observer.hints.empty());
    doc.SetSpecLevel("Warding", 0);
    EXPECT_FALSE(doc.SpecPlan(60).Contains("Warding"));
    EXPECT_EQ(doc.GetSpecLevel("Warding"), 1);
    EXPECT_TRUE(observer.hints.empty());
}

TEST_F(MiniDoc, CareerModeSetSpecLevelKeepsZeroRecalculatesAndRefreshesOnlyForNewLines)
{
    CareerCleric(20.0f);
    doc.SetSpecLevel("Warding", 5);
    EXPECT_EQ(doc.SpecPlan(20).Get("Warding"), 5);
    EXPECT_EQ(doc.SpecResult(20).Get("Warding"), 5);
    EXPECT_EQ(observer.hints, std::vector<int>{0});
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.HasPlanEntry("Warding"));
    EXPECT_TRUE(doc.LevelHasEntries());

    doc.SetSpecLevel("Warding", 7);  // already at this slot: no refresh
    EXPECT_EQ(observer.hints, std::vector<int>{0});
    EXPECT_EQ(doc.SpecResult(20).Get("Warding"), 7);

    doc.SetSpecLevel("Warding", 0);
    EXPECT_TRUE(doc.SpecPlan(20).Contains("Warding"));
    EXPECT_EQ(doc.SpecPlan(20).Get("Warding"), 0);
    EXPECT_EQ(doc.SpecResult(20).Get("Warding"), 1);

    doc.SetLevel(21.0f);
    EXPECT_FALSE(doc.HasPlanEntry("Warding"));
    EXPECT_FALSE(doc.LevelHasEntries());
    doc.SetCareerMode(0);
    doc.SetLevel(20.0f);
    EXPECT_TRUE(doc.HasPlanEntry("Warding"));
    EXPECT_FALSE(doc.LevelHasEntries());  // only career mode colours the level
}

TEST_F(MiniDoc, SetRespecAtMarksTheSlotOfTheLevelAndRecalculates)
{
    CareerCleric(50.0f);
    doc.SpecPlan(10).Set("Warding", 8);
    doc.SpecPlan(20).Set("Warding", 3);
    doc.Recalculate();
    EXPECT_EQ(doc.SpecResult(20).Get("Warding"), 8);

    doc.SetRespecAt(20.0f, true);
    EXPECT_TRUE(doc.IsRespecAt(20));
    EXPECT_EQ(doc.SpecResult(20).Get("Warding"), 3);
    doc.SetRespecAt(40.9f, true);
    EXPECT_TRUE(doc.IsRespecAt(41));
    doc.SetRespecAt(20.0f, false);
    EXPECT_FALSE(doc.IsRespecAt(20));
    EXPECT_EQ(doc.SpecResult(20).Get("Warding"), 8);
}

TEST_F(MiniDoc, SnapLevelCopiesTheResultOfTheLevelIntoThePlan)
{
    CareerCleric(50.0f);
    doc.SpecPlan(10).Set("Warding", 5);
    doc.Recalculate();
    doc.SetLevel(7.0f);
    observer.Clear();
    doc.SnapLevel();
    EXPECT_EQ(doc.SpecPlan(7), (CNamedValueList{{"Shield", 1}, {"Restoration", 1}, {"Warding", 5}}));
    EXPECT_EQ(observer.hints, std::vector<int>{0});
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.LevelHasEntries());
}

TEST_F(MiniDoc, SnapLevelTakesOnlyTheLinesOfTheCurrentClass)
{
    CareerCleric(30.0f);
    doc.SetClass("Pyromancer");  // the result still holds the Cleric's lines
    ASSERT_TRUE(doc.SpecResult(30).Contains("Warding"));
    doc.SnapLevel();
    EXPECT_FALSE(doc.SpecPlan(30).Contains("Warding"));
    EXPECT_EQ(doc.SpecPlan(30), (CNamedValueList{{"Staff", 1}, {"Flames", 1}, {"Restoration", 1}}));
}

TEST_F(MiniDoc, ClearLevelEmptiesTheSlotRecalculatesAndRefreshes)
{
    CareerCleric(10.0f);
    doc.SetSpecLevel("Warding", 5);
    doc.SetModified(false);
    observer.Clear();
    doc.ClearLevel();
    EXPECT_TRUE(doc.SpecPlan(10).IsEmpty());
    EXPECT_EQ(doc.SpecResult(10).Get("Warding"), 1);
    EXPECT_EQ(doc.CareerPointsLeft(10), 54);
    EXPECT_EQ(observer.hints, std::vector<int>{0});
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(MiniDoc, AutoTrainMasksAreSetOrRemovedAndRecalculateInCareerMode)
{
    doc.New();
    doc.SetClass("Cleric");
    doc.SetAutoTrain("Restoration", 7);
    EXPECT_EQ(doc.GetAutoTrain("Restoration"), 7);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(observer.hints.empty());  // single mode: nothing to refresh
    doc.SetAutoTrain("Restoration", 0);
    EXPECT_FALSE(doc.AutoTrainMasks().Contains("Restoration"));
    EXPECT_EQ(doc.GetAutoTrain("Restoration"), 0);

    CareerCleric(50.0f);
    doc.SetAutoTrain("Restoration", 7);
    EXPECT_EQ(observer.hints, std::vector<int>{0});
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.SpecResult(12).Get("Restoration"), 3);
}

TEST_F(MiniDoc, SpentPointsCountTheClassLinesLessTheirAutoTrainAllowance)
{
    doc.New();
    doc.SetClass("Cleric");
    doc.SetLevel(20.0f);
    doc.SpecPlan(60).Set("Shield", 10);       // 54
    doc.SpecPlan(60).Set("Warding", 5);       // 14
    doc.SpecPlan(60).Set("Restoration", 3);   // 5
    doc.SpecPlan(60).Set("Flames", 9);        // not a Cleric line: not counted
    doc.SetAutoTrain("Restoration", 0b111);   // 2 + 3 free at level 20
    doc.SetAutoTrain("Staff", 0xFFF);         // not a Cleric line: no allowance
    EXPECT_EQ(doc.SpentSpecPoints(), 54 + 14 + 5 - 5);
    doc.SetLevel(11.0f);
    EXPECT_EQ(doc.SpentSpecPoints(), 54 + 14 + 5 - 2);
    doc.SetLevel(7.0f);
    EXPECT_EQ(doc.SpentSpecPoints(), 54 + 14 + 5);
}

TEST_F(MiniDoc, PlanSlotPointsCountTheEntriesOfTheLevelLessTheAutoTrainAllowance)
{
    CareerCleric(20.0f);
    doc.SpecPlan(20).Set("Shield", 10);   // 54
    doc.SpecPlan(20).Set("Flames", 4);    // every entry of the slot counts: 9
    doc.SpecPlan(20).Set("Warding", 0);   // 0
    doc.SpecPlan(60).Set("Warding", 30);  // another slot
    doc.SetAutoTrain("Restoration", 0b111);
    EXPECT_EQ(doc.PlanSlotPoints(), 54 + 9 - 5);
    doc.SetLevel(19.0f);
    EXPECT_EQ(doc.PlanSlotPoints(), -5);
}

TEST_F(MiniDoc, RealmAbilitiesAndMasterLevelsModify)
{
    doc.New();
    doc.SetRealmAbility("Tough", 3);
    EXPECT_EQ(doc.GetRealmAbility("Tough"), 3);
    EXPECT_TRUE(doc.IsModified());
    doc.SetRealmAbility("Tough", 0);
    EXPECT_FALSE(doc.RealmAbilities().Contains("Tough"));

    doc.SetModified(false);
    doc.SetRealmAbilityNf("Keen", 2);
    EXPECT_EQ(doc.GetRealmAbilityNf("Keen"), 2);
    EXPECT_TRUE(doc.IsModified());
    doc.SetRealmAbilityNf("Keen", 0);
    EXPECT_FALSE(doc.RealmAbilitiesNf().Contains("Keen"));

    doc.SetModified(false);
    doc.SetMasterLevelOption(1);
    EXPECT_EQ(doc.GetMasterLevelOption(), 1);
    EXPECT_TRUE(doc.IsModified());
    doc.SetModified(false);
    doc.SetMasterLevel(7);
    EXPECT_EQ(doc.GetMasterLevel(), 7);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(MiniDoc, ObserversHearOfEachModifiedChangeOnceAndCanBeRemoved)
{
    doc.New();
    observer.Clear();
    doc.AddObserver(&observer);  // a second add does not double the calls
    doc.SetRealmRank(3);
    doc.SetRealmRank(4);
    doc.SetModified(true);
    EXPECT_EQ(observer.modifiedChanges, std::vector<bool>{true});
    doc.SetModified(false);
    EXPECT_EQ(observer.modifiedChanges, (std::vector<bool>{true, false}));

    RecordingObserver second;
    doc.AddObserver(&second);
    doc.UpdateAllViews(1);
    EXPECT_EQ(observer.hints, std::vector<int>{1});
    EXPECT_EQ(second.hints, std::vector<int>{1});
    doc.RemoveObserver(&second);
    doc.UpdateAllViews(0);
    doc.SetModified(true);
    EXPECT_EQ(second.hints, std::vector<int>{1});
    EXPECT_TRUE(second.modifiedChanges.empty());
    EXPECT_EQ(observer.hints, (std::vector<int>{1, 0}));
}

// The career plan, checked by hand -------------------------------------------------------

// Warding 5 planned at level 10: trained as early as the level allows while
// every slot up to it keeps a point spare. The Cleric earns 2 + ... + L.
TEST_F(MiniDoc, RecalculateSpreadsATargetOverTheEarlierLevels)
{
    CareerCleric(50.0f);
    doc.SpecPlan(10).Set("Warding", 5);
    doc.Recalculate();
    const std::array<std::int32_t, 11> warding = {1, 1, 1, 2, 3, 4, 5, 5, 5, 5, 5};
    const std::array<std::int32_t, 11> left = {0, 0, 2, 3, 4, 5, 6, 13, 21, 30, 40};
    for (int slot = 0; slot <= 10; ++slot) {
        EXPECT_EQ(ResultAt(slot, "Warding"), warding[static_cast<std::size_t>(slot)]) << slot;
        EXPECT_EQ(doc.CareerPointsLeft(slot), left[static_cast<std::size_t>(slot)]) << slot;
        EXPECT_EQ(ResultAt(slot, "Shield"), 1) << slot;
        EXPECT_EQ(ResultAt(slot, "Restoration"), 1) << slot;
    }
    EXPECT_EQ(ResultAt(60, "Warding"), 5);
    EXPECT_EQ(doc.CareerPointsLeft(20), 209 - 14);
    doc.SetLevel(7.0f);
    EXPECT_EQ(doc.SpentSpecPoints(), 14);
    EXPECT_EQ(doc.SkillPointsAtLevel() - doc.SpentSpecPoints(), doc.CareerPointsLeft(7));
}

// Restoration with the free steps at 8 and 12: at most 1 before level 8, 2 up to
// 11, then free at 3; the free levels cost nothing.
TEST_F(MiniDoc, RecalculateGivesAutoTrainStepsForFree)
{
    CareerCleric(50.0f);
    doc.SetAutoTrain("Restoration", 0b111);
    for (int slot = 1; slot <= 60; ++slot) {
        const std::int32_t expected = slot < 8 ? 1 : slot < 12 ? 2 : 3;
        EXPECT_EQ(ResultAt(slot, "Restoration"), expected) << slot;
        EXPECT_EQ(doc.CareerPointsLeft(slot), doc.SkillPointsAtLevel(LevelOfSlot(slot))) << slot;
    }
    doc.SetLevel(20.0f);
    EXPECT_EQ(doc.SpentSpecPoints(), 0);
}

TEST_F(MiniDoc, RecalculateRaisesAnAutoTrainLineToItsTargetAfterTheLastStep)
{
    CareerCleric(50.0f);
    doc.SetAutoTrain("Restoration", 0b111);
    doc.SpecPlan(10).Set("Restoration", 5);  // capped at 2 until the step at 12
    doc.SpecPlan(20).Set("Restoration", 6);
    doc.Recalculate();
    for (int slot = 1; slot <= 60; ++slot) {
        const std::int32_t expected = slot < 8 ? 1 : slot < 12 ? 2 : slot == 12 ? 5 : 6;
        EXPECT_EQ(ResultAt(slot, "Restoration"), expected) << slot;
    }
    EXPECT_EQ(doc.CareerPointsLeft(12), 77 - 14 + 5);
    EXPECT_EQ(doc.CareerPointsLeft(13), 90 - 20 + 5);
    EXPECT_EQ(doc.CareerPointsLeft(20), 209 - 20 + 5);
}

TEST_F(MiniDoc, RecalculateLetsARespecLowerALine)
{
    CareerCleric(50.0f);
    doc.SpecPlan(10).Set("Warding", 8);
    doc.SpecPlan(20).Set("Warding", 3);
    doc.SetRespecAt(20.0f, true);
    for (int slot = 10; slot <= 30; ++slot)
        EXPECT_EQ(ResultAt(slot, "Warding"), slot < 20 ? 8 : 3) << slot;
    EXPECT_EQ(doc.CareerPointsLeft(19), 189 - 35);
    EXPECT_EQ(doc.CareerPointsLeft(20), 209 - 5);
}

// Points too few to train early: the target is reached only at its own slot.
TEST_F(MiniDoc, RecalculateDoesNotTrainEarlierThanThePointsAllow)
{
    CareerCleric(50.0f);
    doc.SpecPlan(10).Set("Warding", 10);  // 54 points: all of level 10's
    doc.SpecPlan(10).Set("Shield", 2);
    doc.Recalculate();
    EXPECT_EQ(ResultAt(10, "Warding"), 10);
    EXPECT_EQ(doc.CareerPointsLeft(10), 54 - 54 - 2);
    for (int slot = 1; slot < 10; ++slot) {
        EXPECT_LE(ResultAt(slot, "Warding"), slot) << slot;
        EXPECT_GE(doc.CareerPointsLeft(slot), slot >= 2 ? 1 : 0) << slot;
    }
}

// Shipped data: stat totals and the property test ------------------------------------------

class ShippedDoc : public ShippedDatabases {};

TEST_F(ShippedDoc, StatTotalsAddRaisesAndTheStatRaisingNewRulesAbilities)
{
    for (CGameDatabase* database : {s_german.get(), s_english.get()}) {
        const bool german = database->Folder() == "de";
        const CClassTable& classes = database->Classes();
        // One class with each kind of acuity stat the data has, and one without.
        std::vector<int> classIndexes;
        std::set<StatId> acuities;
        for (int i = 0; i < classes.Count(); ++i) {
            if (acuities.insert(classes.Stats(i).casting).second)
                classIndexes.push_back(i);
        }
        ASSERT_TRUE(acuities.count(kNoStat)) << "no class without an acuity stat";
        ASSERT_GE(acuities.size(), 3u);

        for (const int classIndex : classIndexes) {
            CAppSettings settings;
            CQuillmarDoc doc(*database, settings);
            doc.New();
            doc.SetClass(classes.Name(classIndex));
            doc.SetRace(classes.RaceNames(classIndex).front());
            doc.SetLevel(30.0f);
            const int race = database->Races().FindByName(doc.GetRace());
            const StatValues base = classes.StatsAtLevel(classIndex, database->Races().Stats(race), 30.0);
            EXPECT_EQ(doc.GetStatTotals(), base) << classes.Name(classIndex);

            doc.AddStatRaise(0, 3);
            doc.AddStatRaise(6, 18);
            StatValues expected = base;
            expected[0] += 3;
            expected[6] += 18;
            // A different level for each ability, so that a value given to the
            // wrong stat shows.
            const StatId acuity = classes.Stats(classIndex).casting;
            std::set<std::int32_t> values;
            for (std::size_t i = 0; i < game_content::kStatRaisingAbilities.size(); ++i) {
                const auto& names = game_content::kStatRaisingAbilities[i];
                const std::string_view name = german ? names.german : names.english;
                const int level = static_cast<int>(i) + 1;
                doc.SetRealmAbilityNf(name, level);
                const std::int32_t value = database->RealmAbilityValue(name, level);
                ASSERT_GT(value, 0) << name;
                values.insert(value);
                const StatId stat = i < 4 ? static_cast<StatId>(i) : acuity;
                if (stat != kNoStat)
                    expected[static_cast<std::size_t>(stat)] += value;
            }
            EXPECT_EQ(values.size(), 5u);
            EXPECT_EQ(doc.GetStatTotals(), expected) << classes.Name(classIndex) << " " << database->Folder();
        }
    }
}

// Plan levels of a line as the plan pass gives them: raised by each entry,
// set by an entry at a respec.
std::array<std::int32_t, CQuillmarDoc::kSlotCount> PlannedLevels(const CQuillmarDoc& doc, const std::string& line)
{
    std::array<std::int32_t, CQuillmarDoc::kSlotCount> levels{};
    levels[0] = 1;
    std::int32_t current = 1;
    for (int r = 1; r < CQuillmarDoc::kSlotCount; ++r) {
        if (doc.SpecPlan(r).Contains(line)) {
            const std::int32_t value = doc.SpecPlan(r).Get(line);
            current = doc.IsRespecAt(r) ? value : std::max(current, value);
        }
        levels[static_cast<std::size_t>(r)] = current;
    }
    return levels;
}

std::int32_t Stored(std::int32_t level)
{
    return level >= 1 ? level : 0;
}

TEST_F(ShippedDoc, RecalculateKeepsThePointsLeftEqualToEarnedLessCostPlusAllowance)
{
    CGameDatabase& database = *s_english;
    const CClassTable& classes = database.Classes();
    std::vector<int> autoTrainClasses;
    for (int i = 0; i < classes.Count(); ++i) {
        if (!classes.Info(i).autoTrainStyleLines.empty() || !classes.Info(i).autoTrainSpellLines.empty())
            autoTrainClasses.push_back(i);
    }
    ASSERT_FALSE(autoTrainClasses.empty());

    std::mt19937 random(0x5157u);
    const auto uniform = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    int plansWithSteps = 0;
    int visibleRaises = 0;

    constexpr int kPlans = 400;
    for (int plan = 0; plan < kPlans; ++plan) {
        CAppSettings settings;
        CQuillmarDoc doc(database, settings);
        const int classIndex =
            uniform(0, 1) ? autoTrainClasses[static_cast<std::size_t>(uniform(0, static_cast<int>(autoTrainClasses.size()) - 1))]
                          : uniform(0, classes.Count() - 1);
        doc.SetClass(classes.Name(classIndex));
        doc.StoreCareerMode(1);
        const std::vector<std::string> lines = doc.SkillLines();
        ASSERT_FALSE(lines.empty()) << classes.Name(classIndex);
        ASSERT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), lines.size());
        const auto randomLine = [&] { return lines[static_cast<std::size_t>(uniform(0, static_cast<int>(lines.size()) - 1))]; };

        const int entries = uniform(0, 30);
        for (int e = 0; e < entries; ++e) {
            const int slot = uniform(0, 60);
            const int roll = uniform(0, 19);
            const std::int32_t value = roll == 0 ? uniform(-3, 0) : roll == 1 ? uniform(51, 60) : uniform(1, 50);
            doc.SpecPlan(slot).Set(randomLine(), value);
        }
        for (int slot = 0; slot < CQuillmarDoc::kSlotCount; ++slot)
            doc.StoreRespecAt(slot, uniform(0, 9) == 0);
        for (const std::string& line : lines) {
            if (uniform(0, 2) != 0)
                continue;
            std::int32_t mask = uniform(0, 0xFFF) & ~1;
            if (uniform(0, 3) == 0)
                mask &= 0xF;  // a few early steps only
            if ((mask & 0xFFE) != 0)
                mask |= 1;
            doc.AutoTrainMasks().Set(line, mask);
            plansWithSteps += (mask & 0xFFE) != 0;
        }
        doc.StoreExtraSpecPoints(uniform(-10, 60));
        doc.Recalculate();

        std::vector<std::array<std::int32_t, CQuillmarDoc::kSlotCount>> planned;
        for (const std::string& line : lines)
            planned.push_back(PlannedLevels(doc, line));

        for (int r = 0; r < CQuillmarDoc::kSlotCount; ++r) {
            const int whole = static_cast<int>(LevelOfSlot(r));
            std::int64_t expected = doc.SkillPointsAtLevel(LevelOfSlot(r));
            bool raisedHere = false;
            for (std::size_t c = 0; c < lines.size(); ++c) {
                const std::string& line = lines[c];
                ASSERT_TRUE(doc.SpecResult(r).Contains(line)) << line << " at " << r;
                const std::int32_t level = doc.SpecResult(r).Get(line);
                const std::int32_t mask = doc.GetAutoTrain(line);
                expected -= CQuillmarDoc::SkillPointCost(level);
                expected += CQuillmarDoc::AutoTrainAllowance(whole, mask);

                EXPECT_GE(level, 0);
                if (r == 0)
                    continue;
                const std::int32_t carried = planned[c][static_cast<std::size_t>(r)];
                // Nothing rises above the character level unless the plan asks for it.
                EXPECT_LE(level, std::max({carried, whole, 1})) << line << " at " << r;
                if ((mask & 0xFFE) != 0)
                    continue;
                // Without auto-train: planned levels are kept where they are
                // entered and only ever raised in between.
                if (doc.SpecPlan(r).Contains(line)) {
                    EXPECT_EQ(level, Stored(carried)) << line << " at " << r;
                }
                EXPECT_GE(level, Stored(carried)) << line << " at " << r;
                if (level > Stored(carried)) {
                    raisedHere = true;
                    ++visibleRaises;
                }
            }
            EXPECT_EQ(doc.CareerPointsLeft(r), expected) << "slot " << r << ", plan " << plan;
            // A level trained early is paid for with a point to spare.
            if (raisedHere) {
                EXPECT_GE(doc.CareerPointsLeft(r), 1) << "slot " << r << ", plan " << plan;
            }
        }

        // Without a respec of the line and without auto-train a line never drops.
        for (std::size_t c = 0; c < lines.size(); ++c) {
            if ((doc.GetAutoTrain(lines[c]) & 0xFFE) != 0)
                continue;
            bool respecOfLine = false;
            for (int r = 1; r < CQuillmarDoc::kSlotCount; ++r)
                respecOfLine = respecOfLine || (doc.IsRespecAt(r) && doc.SpecPlan(r).Contains(lines[c]));
            if (respecOfLine)
                continue;
            for (int r = 2; r < CQuillmarDoc::kSlotCount; ++r)
                EXPECT_GE(doc.SpecResult(r).Get(lines[c]), doc.SpecResult(r - 1).Get(lines[c])) << lines[c] << " at " << r;
        }

        // The document's own figures agree at a slot level.
        const int slot = uniform(5, 60);
        doc.StoreLevel(LevelOfSlot(slot));
        ASSERT_EQ(doc.CurrentSlot(), slot);
        EXPECT_EQ(doc.SkillPointsAtLevel() - doc.SpentSpecPoints(), doc.CareerPointsLeft(slot))
            << "slot " << slot << ", plan " << plan;
        if (::testing::Test::HasFailure())
            break;  // one failing plan says enough
    }

    // The generated plans must really exercise auto-train and early training.
    EXPECT_GT(plansWithSteps, kPlans / 4);
    EXPECT_GT(visibleRaises, kPlans);
}

}  // namespace
