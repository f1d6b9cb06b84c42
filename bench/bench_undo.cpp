// The undo history on a full career character (level 50 of the class with the
// most lines, every line planned at every slot): an undo and a redo of a level
// change in career mode (the whole plan is recomputed each time), the cost a
// history step adds to a setter, and the memory of 1 000 steps.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "CareerCharacter.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/CharacterFile.h"

namespace {

struct Career {
    CGameDatabase database{QUILLMAR_SHIPPED_DATA};
    CAppSettings settings;
    CQuillmarDoc doc{database, settings};
    std::string error;

    Career()
    {
        database.Load("en");
        if (!database.IsLoaded()) {
            error = "the shipped data does not load";
            return;
        }
        BuildCareerCharacter(database, doc);
        if (!doc.IsCareerMode())
            error = "the character is not in career mode";
    }
};

void BM_UndoRedoCareerLevelChange(benchmark::State& state)
{
    Career c;
    if (!c.error.empty()) {
        state.SkipWithError(c.error.c_str());
        return;
    }
    c.doc.SetLevel(30.0f);
    if (!c.doc.History().CanUndo()) {
        state.SkipWithError("the level change is no step");
        return;
    }
    for (auto _ : state) {
        c.doc.Undo();
        c.doc.Redo();
    }
    if (c.doc.GetLevel() != 30.0f)
        state.SkipWithError("undo and redo did not come back to level 30");
    std::string bytes;
    CharacterFileBytes(c.doc, bytes, UiLanguage::English);
    state.counters["image_bytes"] = static_cast<double>(bytes.size());
}

// One setter with its history step: two images of the document and their difference.
void BM_SpecLevelChangeWithStep(benchmark::State& state)
{
    Career c;
    if (!c.error.empty()) {
        state.SkipWithError(c.error.c_str());
        return;
    }
    const std::string line = c.doc.SkillLines().front();
    std::int32_t level = 10;
    for (auto _ : state) {
        c.doc.SetSpecLevel(line, level);
        level = level == 10 ? 11 : 10;
    }
}

// 1 000 steps of different kinds, none merged (each changes another target
// than the step before), at slots all over the plan.
void BM_HistoryMemoryThousandSteps(benchmark::State& state)
{
    std::size_t bytes = 0;
    std::size_t steps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Career c;
        if (!c.error.empty()) {
            state.SkipWithError(c.error.c_str());
            return;
        }
        const std::vector<std::string> lines = c.doc.SkillLines();
        const CRealmAbilityTable& abilities = c.database.RealmAbilities();
        state.ResumeTiming();
        // Until there are 1 000 steps: a setter that finds its value there already is none.
        for (int i = 0; c.doc.History().StepCount() < 1000 && i < 100000; ++i) {
            switch (i % 4) {
            case 0:
                c.doc.SetLevel(static_cast<float>(5 + (i * 7) % 46));
                break;
            case 1:
                c.doc.SetSpecLevel(lines[static_cast<std::size_t>(i) % lines.size()], 1 + (i * 13) % 50);
                break;
            case 2:
                c.doc.AddStatRaise(i % kStatCount, (i / 64) % 2 == 0 ? 1 : -1);
                break;
            case 3:
                c.doc.SetRealmAbility(abilities.Name(i % abilities.Count()), 1 + i % 5);
                break;
            }
        }
        bytes = c.doc.History().MemoryBytes();
        steps = c.doc.History().StepCount();
    }
    state.counters["steps"] = static_cast<double>(steps);
    state.counters["history_KiB"] = static_cast<double>(bytes) / 1024.0;
    if (bytes > 5u * 1024 * 1024)
        state.SkipWithError("the history of 1 000 steps holds more than 5 MiB");
}

}  // namespace

BENCHMARK(BM_UndoRedoCareerLevelChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpecLevelChangeWithStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HistoryMemoryThousandSteps)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
