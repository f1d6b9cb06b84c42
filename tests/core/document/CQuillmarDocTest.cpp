#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/CharacterFile.h"
#include "document/LevelSlot.h"
#include "support/MiniWorld.h"

namespace {

class RecordingObserver : public CDocumentObserver {
public:
    void OnViewsUpdated(int) override {}
    void OnModifiedChanged(bool modified) override { modifiedChanges.push_back(modified); }
    std::vector<bool> modifiedChanges;
};

// The mini world's classes: Cleric (Caldor), Blademaster (Glenmora), Pyromancer and Valkyrie (Nordhal).
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
    static std::string Bytes(const CQuillmarDoc& of)
    {
        std::string image;
        EXPECT_TRUE(CharacterFileBytes(of, image, UiLanguage::English).ok);
        return image;
    }

    MiniWorld world;
    CGameDatabase database;
    CAppSettings settings;
    CQuillmarDoc doc;
    RecordingObserver observer;
};

TEST_F(MiniDoc, NewTakesTheRememberedSelectionCorrectedToWhatTheDatabaseOffers)
{
    struct Case {
        int lastRealm, lastClass, lastRace;
        const char *realm, *className, *race;
    };
    const std::vector<Case> cases = {
        {0, 0, 0, "Caldor", "Cleric", "Human"},         {1, 1, 2, "Glenmora", "Blademaster", "Sylvan"},
        {2, 0, 0, "Nordhal", "Pyromancer", "Dwarf"},  // class and race of another realm
        {0, 2, 4, "Caldor", "Cleric", "Human"},         {2, 2, 5, "Nordhal", "Pyromancer", "Jotun"},
        {0, 0, 6, "Caldor", "Cleric", "Human"},          // one past the last race
        {1, 4, 2, "Glenmora", "Blademaster", "Sylvan"},  // one past the last class
        {7, 99, -4, "Caldor", "Cleric", "Human"},        // stale values: first of everything
        {-1, 2, 5, "Nordhal", "Pyromancer", "Jotun"},    // no realm: the class's realm
    };
    for (const Case& c : cases) {
        settings.Reset();
        settings.Set(setting::LAST_REALM, c.lastRealm);
        settings.Set(setting::LAST_CLASS, c.lastClass);
        settings.Set(setting::LAST_RACE, c.lastRace);
        doc.New();
        SCOPED_TRACE(testing::Message() << c.lastRealm << "/" << c.lastClass << "/" << c.lastRace);
        EXPECT_EQ(doc.GetRealm(), c.realm);
        EXPECT_EQ(doc.GetClass(), c.className);
        EXPECT_EQ(doc.GetRace(), c.race);
        EXPECT_EQ(database.ClassName(), c.className);
        EXPECT_EQ(settings.Get(setting::LAST_CLASS), c.lastClass);
    }
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
    observer.modifiedChanges.clear();

    doc.New();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(observer.modifiedChanges, std::vector<bool>{false});
    EXPECT_FALSE(doc.IsBoundToFile());
    // Everything a file keeps is as in a document that was never used.
    CQuillmarDoc fresh(database, settings);
    fresh.New();
    EXPECT_EQ(Bytes(doc), Bytes(fresh));
    EXPECT_FALSE(doc.IsRespecAt(level_slot::SlotOfLevel(30.0f)));
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
    doc.SetClass("Cleric");  // the same name
    EXPECT_EQ(doc.GetStatRaises()[0], 4);
    EXPECT_EQ(doc.SpecPlan(60).Get("Shield"), 10);
    EXPECT_EQ(doc.SpecPlan(12).Get("Warding"), 3);
    EXPECT_EQ(doc.GetRealmAbility("Old Rules"), 2);
    doc.SetClass("Valkyrie");
    EXPECT_EQ(doc.GetStatRaises(), (std::array<std::int32_t, kStatCount>{}));
    for (int slot = 0; slot < CQuillmarDoc::kSlotCount; ++slot)
        EXPECT_TRUE(doc.SpecPlan(slot).IsEmpty()) << slot;
    EXPECT_EQ(doc.GetRealmAbility("Old Rules"), 0);
    EXPECT_EQ(doc.GetRealmAbilityNf("New Rules"), 3);
    EXPECT_EQ(doc.GetAutoTrain("Restoration"), 7);
    EXPECT_EQ(settings.Get(setting::LAST_CLASS), 3);
}

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

TEST_F(MiniDoc, RealmRankIsClampedAndCoopModeAddsTheLevelsAboveTwenty)
{
    struct Case {
        int code, coop;
        float level;
        int stored, effective;
    };
    for (const Case& c : {Case{-5, 0, 50.0f, 0, 0}, Case{110, 0, 50.0f, 110, 110},
                          Case{111, 0, 50.0f, 110, 110}, Case{30, 1, 20.0f, 30, 30},
                          Case{30, 1, 21.0f, 30, 31}, Case{30, 1, 50.0f, 30, 60}, Case{5, 2, 40.5f, 5, 25}}) {
        doc.New();
        doc.SetOption(doc_option::CoopMode, c.coop);
        doc.SetLevel(c.level);
        doc.SetRealmRank(c.code);
        EXPECT_EQ(doc.GetRealmRank(), c.stored) << c.code;
        EXPECT_EQ(doc.GetEffectiveRealmRank(), c.effective) << c.code << " at " << c.level;
        // Setting what is there already is no change.
        EXPECT_EQ(doc.IsModified(), c.stored != 0 || c.level != level_slot::kMaxLevel) << c.code;
    }
}

TEST_F(MiniDoc, StatRaisesClampToEighteenAndModify)
{
    doc.New();
    doc.AddStatRaise(3, 5);
    doc.AddStatRaise(3, 20);
    EXPECT_EQ(doc.GetStatRaises()[3], 18);
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

TEST_F(MiniDoc, RandomOperationsUndoToTheStartAndRedoToTheEnd)
{
    // No realm abilities: the mini world has no tables of them.
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&random](int count) {
            return count > 0 ? std::uniform_int_distribution<int>(0, count - 1)(random) : 0;
        };
        const auto any = [&pick](const std::vector<std::string>& names) {
            return names.empty() ? std::string() : names[std::size_t(pick(int(names.size())))];
        };
        const std::function<void()> operations[] = {
            [&] { doc.SetLevel(float(5 + pick(90)) / 2.0f); },
            [&] { doc.SetRealmRank(pick(120)); },
            [&] { doc.AddStatRaise(pick(kStatCount), pick(7) - 3); },
            [&] { doc.SetExtraSpecPoints(pick(30)); },
            [&] { doc.SetSpecLevel(any(doc.SkillLines()), pick(51)); },
            [&] { doc.SetRespecAt(float(1 + pick(50)), pick(2) == 1); },
            [&] { doc.SetAutoTrain(any(doc.SkillLines()), pick(4)); },
            [&] { doc.SetMasterLevelOption(pick(4)), doc.SetMasterLevel(pick(11)); },
            [&] { doc.SetOption(doc_option::ShowAllStyles, pick(2)); },
            [&] { pick(2) ? doc.SnapLevel() : doc.ClearLevel(); },
            [&] { doc.SetClass(any(database.ClassNames())); },
        };
        doc.New();
        const std::string start = Bytes(doc);
        doc.SetCareerMode(int(seed % 2));
        for (int i = 0; i < 60; ++i)
            operations[pick(int(std::size(operations)))]();
        const std::string end = Bytes(doc);
        ASSERT_GT(doc.History().StepCount(), 10u) << seed;
        while (doc.Undo()) {
        }
        EXPECT_EQ(Bytes(doc), start) << seed;
        EXPECT_FALSE(doc.IsModified()) << seed;
        EXPECT_FALSE(doc.IsBoundToFile()) << seed;  // a step back gives a new character no file
        while (doc.Redo()) {
        }
        EXPECT_EQ(Bytes(doc), end) << seed;
        EXPECT_TRUE(doc.IsModified()) << seed;
    }
}

// Quick changes of one value are one step (a held button, a dragged slider).
TEST_F(MiniDoc, QuickChangesOfOneValueAreOneStep)
{
    doc.New();
    const std::size_t before = doc.History().StepCount();
    doc.SetExtraSpecPoints(3);
    doc.SetExtraSpecPoints(5);
    EXPECT_EQ(doc.History().StepCount(), before + 1);
    doc.SetRealmAbilityNf("Toughness", 1);
    doc.SetRealmAbilityNf("Toughness", 2);
    EXPECT_EQ(doc.History().StepCount(), before + 2);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetRealmAbilityNf("Toughness"), 0);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.GetExtraSpecPoints(), 0);
}

}  // namespace
