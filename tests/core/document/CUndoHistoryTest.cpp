#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/CUndoHistory.h"

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

}  // namespace
