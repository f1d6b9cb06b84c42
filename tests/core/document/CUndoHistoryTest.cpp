#include <gtest/gtest.h>

#include <chrono>
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

using namespace std::chrono_literals;

struct FakeClock {
    std::chrono::steady_clock::time_point now{};
    CUndoHistory::Clock Get()
    {
        return [this] { return now; };
    }
};

StepName Raise(int line, int to)
{
    return {StepKind::SpecLevel, StepSubject::StyleLine, line, 0, double(to)};
}

TEST(UndoHistory, MergesChangesOfOneTargetWithinTheWindowOnly)
{
    struct Case {
        const char* what;
        std::vector<int> lines;  // the target of each change
        std::vector<int> gapsMs;  // before each change after the first
        std::size_t steps;
    };
    const std::vector<Case> cases = {
        {"one target, quick", {1, 1, 1}, {50, 50}, 1},
        {"one target, last gap at the window", {1, 1, 1}, {50, 1000}, 2},
        {"one target, just inside", {1, 1}, {999}, 1},
        {"other target between", {1, 2, 1}, {10, 10}, 3},
    };
    for (const Case& c : cases) {
        FakeClock clock;
        CUndoHistory history(clock.Get());
        history.Restart("a0", false);
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            if (i > 0)
                clock.now += std::chrono::milliseconds(c.gapsMs[i - 1]);
            history.Record("a" + std::to_string(i + 1), Raise(c.lines[i], int(i + 1)), true, true);
        }
        EXPECT_EQ(history.StepCount(), c.steps) << c.what;
        while (history.Undo()) {
        }
        EXPECT_EQ(history.Current(), "a0") << c.what;
        EXPECT_FALSE(history.IsModified()) << c.what;
    }
}

TEST(UndoHistory, SavedPointAndMergesBackToIt)
{
    FakeClock clock;
    CUndoHistory history(clock.Get());
    history.Restart("level 10", false);
    history.Record("level 11", Raise(1, 11), true, true);
    // Back to the start within one gesture: no step, not modified.
    history.Record("level 10", Raise(1, 10), true, true);
    EXPECT_EQ(history.StepCount(), 0u);
    EXPECT_FALSE(history.IsModified());

    history.Record("level 12", Raise(1, 12), true, true);
    history.MarkSaved();
    // A step after the save must not merge into the saved one.
    history.Record("level 13", Raise(1, 13), true, true);
    EXPECT_EQ(history.StepCount(), 2u);
    EXPECT_TRUE(history.IsModified());
    history.Undo();
    EXPECT_FALSE(history.IsModified());
    history.Undo();
    EXPECT_TRUE(history.IsModified());
    // A new step where the saved state was undone drops it for good.
    history.Record("other", Raise(2, 1), true, false);
    EXPECT_FALSE(history.CanRedo());
    while (history.Undo()) {
    }
    EXPECT_TRUE(history.IsModified());

    // A step that changes no contents keeps the flag; the redone name is the step's.
    CUndoHistory moves(clock.Get());
    moves.Restart("x", false);
    moves.Record("y", {StepKind::Level, StepSubject::None, -1, 50, 20}, false, false);
    EXPECT_FALSE(moves.IsModified());
    moves.Undo();
    ASSERT_NE(moves.RedoName(), nullptr);
    EXPECT_EQ(moves.RedoName()->value, 20);
    EXPECT_EQ(moves.UndoName(), nullptr);
}

TEST(UndoHistory, StepsRestoreImagesOfAnyLength)
{
    const std::vector<std::string> images = {"", "abc", "abXc", "abXc", "Xc", "abcabcabc", "", "zzz"};
    CUndoHistory history;
    history.Restart(images[0], false);
    for (std::size_t i = 1; i < images.size(); ++i)
        history.Record(images[i], Raise(int(i), 1), true, false);
    EXPECT_EQ(history.StepCount(), images.size() - 2);  // the repeated image is no step
    for (std::size_t i = images.size(); i-- > 1;) {
        if (i == 3)
            continue;
        EXPECT_EQ(history.Current(), images[i]);
        history.Undo();
    }
    EXPECT_EQ(history.Current(), images[0]);
    while (history.Redo()) {
    }
    EXPECT_EQ(history.Current(), images.back());
}

class MiniHistory : public ::testing::Test {
protected:
    MiniHistory() : database(world.folder.Path().parent_path().string()), doc(database, settings)
    {
        database.Load(world.folder.Path().filename().string());
    }
    std::string Bytes()
    {
        std::string bytes;
        EXPECT_TRUE(CharacterFileBytes(doc, bytes, UiLanguage::English).ok);
        return bytes;
    }

    MiniWorld world;
    CGameDatabase database;
    CAppSettings settings;
    CQuillmarDoc doc;
};

TEST_F(MiniHistory, RandomOperationsUndoToTheStartAndRedoToTheEnd)
{
    ASSERT_TRUE(world.AllLoaded());
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&random](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
        doc.New();
        doc.SetCareerMode(seed % 2);
        doc.History().Restart(Bytes(), false);
        const std::string start = Bytes();
        const std::vector<std::string> classes = database.ClassNames();
        for (int i = 0; i < 60; ++i) {
            const std::vector<std::string> lines = doc.SkillLines();
            switch (pick(12)) {
            case 0: doc.SetLevel(float(5 + pick(90)) / 2.0f); break;
            case 1: doc.SetRealmRank(pick(120)); break;
            case 2: doc.AddStatRaise(pick(kStatCount), pick(7) - 3); break;
            case 3: doc.SetExtraSpecPoints(pick(30)); break;
            case 4:
                if (!lines.empty())
                    doc.SetSpecLevel(lines[std::size_t(pick(int(lines.size())))], pick(51));
                break;
            case 5: doc.SetRespecAt(float(1 + pick(50)), pick(2) == 1); break;
            case 6:
                if (!lines.empty())
                    doc.SetAutoTrain(lines[std::size_t(pick(int(lines.size())))], pick(4));
                break;
            case 7:
                if (database.RealmAbilities().Count() > 0)
                    doc.SetRealmAbility(database.RealmAbilities().Name(pick(database.RealmAbilities().Count())),
                                        pick(6));
                break;
            case 8:
                if (database.RealmAbilitiesNf().Count() > 0)
                    doc.SetRealmAbilityNf(
                        database.RealmAbilitiesNf().Name(pick(database.RealmAbilitiesNf().Count())), pick(6));
                break;
            case 9: doc.SetMasterLevelOption(pick(4)); doc.SetMasterLevel(pick(11)); break;
            case 10: doc.SetOption(doc_option::ShowAllStyles, pick(2)); break;
            case 11:
                if (pick(4) == 0 && !classes.empty())
                    doc.SetClass(classes[std::size_t(pick(int(classes.size())))]);
                else
                    doc.SnapLevel();
                break;
            }
        }
        const std::string end = Bytes();
        ASSERT_GT(doc.History().StepCount(), 10u) << seed;
        while (doc.Undo()) {
        }
        EXPECT_EQ(Bytes(), start) << seed;
        EXPECT_FALSE(doc.IsModified()) << seed;
        while (doc.Redo()) {
        }
        EXPECT_EQ(Bytes(), end) << seed;
    }
}

TEST_F(MiniHistory, ModifiedFlagFollowsTheHistoryAndTheFileBindingStays)
{
    ASSERT_TRUE(world.AllLoaded());
    doc.New();
    const std::vector<std::string> lines = doc.SkillLines();
    ASSERT_FALSE(lines.empty());
    doc.SetSpecLevel(lines[0], 12);
    doc.SetRealmRank(20);
    ASSERT_EQ(doc.History().StepCount(), 2u);
    EXPECT_EQ(doc.History().UndoName()->kind, StepKind::RealmRank);
    doc.SetBoundToFile(true);
    doc.SetModified(false);  // what a save does
    doc.Undo();
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetRealmRank(), 0);
    EXPECT_TRUE(doc.IsBoundToFile());
    doc.Redo();
    EXPECT_FALSE(doc.IsModified());
    doc.Undo();
    doc.Undo();
    EXPECT_EQ(doc.GetSpecLevel(lines[0]), 1);
    EXPECT_FALSE(doc.Undo());
    // Opened unsaved (a share code): no state of its history is the saved one.
    doc.Redo();
    doc.SetModified(true);
    doc.Undo();
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
