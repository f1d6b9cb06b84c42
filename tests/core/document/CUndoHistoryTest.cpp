#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/CUndoHistory.h"
#include "document/CharacterFile.h"
#include "support/MiniWorld.h"

namespace {

StepName Raise(int line)
{
    return {StepKind::SpecLevel, StepSubject::StyleLine, line};
}

TEST(UndoHistory, MergesOneTargetWithinTheWindowButNeverIntoTheSavedState)
{
    struct Case {
        const char* what;
        std::vector<int> lines, gapsMs;  // each change's target; the time before it
        int saveAfter;                   // the change after which a save comes; -1 none
        std::size_t steps;
    };
    const std::vector<Case> cases = {
        {"quick", {1, 1, 1}, {0, 50, 50}, -1, 1}, {"at the window", {1, 1, 1}, {0, 50, 1000}, -1, 2},
        {"just inside", {1, 1}, {0, 999}, -1, 1}, {"another between", {1, 2, 1}, {0, 10, 10}, -1, 3},
        {"saved between", {1, 1}, {0, 10}, 0, 2},
    };
    for (const Case& c : cases) {
        std::chrono::steady_clock::time_point now{};
        CUndoHistory history([&now] { return now; });
        history.Restart("", false);
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            now += std::chrono::milliseconds(c.gapsMs[i]);
            history.Record(std::string(i + 1, 'x'), Raise(c.lines[i]), true, true);
            if (int(i) == c.saveAfter)
                history.MarkSaved();
        }
        EXPECT_EQ(history.StepCount(), c.steps) << c.what;
        EXPECT_TRUE(history.IsModified()) << c.what;
        while (history.Undo()) {
        }
        EXPECT_EQ(history.Current(), "") << c.what;
        EXPECT_EQ(history.IsModified(), c.saveAfter >= 0) << c.what;
    }
}

TEST(UndoHistory, ModifiedFlagAcrossSavesAndStepsWithoutContents)
{
    CUndoHistory history;
    history.Restart("level 10", false);
    // Back to the start within one gesture: no step at all.
    history.Record("level 11", Raise(1), true, true);
    history.Record("level 10", Raise(1), true, true);
    EXPECT_EQ(history.StepCount(), 0u);
    EXPECT_FALSE(history.IsModified());
    // A move through the career plan is a step that changes no contents.
    history.Record("level 10, slot 3", {StepKind::Level}, false, false);
    EXPECT_FALSE(history.IsModified());
    history.Record("level 12", Raise(2), true, false);
    history.MarkSaved();
    history.Undo();
    EXPECT_TRUE(history.IsModified());
    // A new step where the saved state was undone: it is out of reach.
    history.Record("level 13", Raise(3), true, false);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoName()->subject, 3);
    history.Undo();
    EXPECT_TRUE(history.IsModified());
    EXPECT_EQ(history.RedoName()->subject, 3);
}

TEST(UndoHistory, RandomDocumentOperationsUndoToTheStartAndRedoToTheEnd)
{
    MiniWorld world;
    CGameDatabase database(world.folder.Path().parent_path().string());
    database.Load(world.folder.Path().filename().string());
    ASSERT_TRUE(world.AllLoaded());
    CAppSettings settings;
    CQuillmarDoc doc(database, settings);
    const auto bytes = [&doc] {
        std::string image;
        EXPECT_TRUE(CharacterFileBytes(doc, image, UiLanguage::English).ok);
        return image;
    };
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&random](int count) {
            return count > 0 ? std::uniform_int_distribution<int>(0, count - 1)(random) : 0;
        };
        const auto any = [&pick](const std::vector<std::string>& names) {
            return names.empty() ? std::string() : names[std::size_t(pick(int(names.size())))];
        };
        doc.New();
        const std::string start = bytes();
        doc.SetCareerMode(int(seed % 2));
        const CRealmAbilityTable& abilities = database.RealmAbilities();
        const CRealmAbilityNfTable& abilitiesNf = database.RealmAbilitiesNf();
        for (int i = 0; i < 60; ++i) {
            const std::vector<std::string> lines = doc.SkillLines();
            switch (pick(13)) {
            case 0:
                doc.SetLevel(float(5 + pick(90)) / 2.0f);
                break;
            case 1:
                doc.SetRealmRank(pick(120));
                break;
            case 2:
                doc.AddStatRaise(pick(kStatCount), pick(7) - 3);
                break;
            case 3:
                doc.SetExtraSpecPoints(pick(30));
                break;
            case 4:
                doc.SetSpecLevel(any(lines), pick(51));
                break;
            case 5:
                doc.SetRespecAt(float(1 + pick(50)), pick(2) == 1);
                break;
            case 6:
                doc.SetAutoTrain(any(lines), pick(4));
                break;
            case 7:
                if (abilities.Count() > 0)
                    doc.SetRealmAbility(abilities.Name(pick(abilities.Count())), pick(6));
                break;
            case 8:
                if (abilitiesNf.Count() > 0)
                    doc.SetRealmAbilityNf(abilitiesNf.Name(pick(abilitiesNf.Count())), pick(6));
                break;
            case 9:
                doc.SetMasterLevelOption(pick(4)), doc.SetMasterLevel(pick(11));
                break;
            case 10:
                doc.SetOption(doc_option::ShowAllStyles, pick(2));
                break;
            case 11:
                pick(2) ? doc.SnapLevel() : doc.ClearLevel();
                break;
            case 12:
                doc.SetClass(any(database.ClassNames()));
                break;
            }
        }
        const std::string end = bytes();
        ASSERT_GT(doc.History().StepCount(), 10u) << seed;
        while (doc.Undo()) {
        }
        EXPECT_EQ(bytes(), start) << seed;
        EXPECT_FALSE(doc.IsModified()) << seed;
        while (doc.Redo()) {
        }
        EXPECT_EQ(bytes(), end) << seed;
        EXPECT_TRUE(doc.IsModified()) << seed;
    }
}

}  // namespace

// Quick changes of one value are one step (a held button, a dragged slider).
TEST(UndoHistory, QuickChangesOfOneValueAreOneStep)
{
    MiniWorld world;
    CGameDatabase database(world.folder.Path().parent_path().string());
    database.Load(world.folder.Path().filename().string());
    CAppSettings settings;
    CQuillmarDoc doc(database, settings);
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
