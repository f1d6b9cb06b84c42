// The calculations page, offscreen:
// - one run of the shipped sample calc.lua as the page does it on a level
//   change: open, globals, run, rows, columns sized, close (goal: at most 2 ms);
// - a runaway script (while true do end) under the default 1 s budget: the time
//   from the start of the run to the error box (goal: at most 1.2 s).
#include <benchmark/benchmark.h>

#include <QTreeWidget>

#include <chrono>
#include <fstream>

#include "PageFixture.h"
#include "pages/calc/CPage6.h"

namespace {

void BM_CalcSampleScriptRun(benchmark::State& state)
{
    PageFixture fixture([](CGameDatabase&, const CQuillmarDoc&) { return std::size_t{1}; });
    fixture.doc->SetSpecLevel("Blades", 40);
    const auto page = fixture.ShownPage<CPage6>();
    const std::filesystem::path script = CPage6::ScriptLocation();
    for (auto _ : state)
        if (page->RunScript(script) != ScriptOutcome::Completed)
            state.SkipWithError("the sample script failed");
    state.counters["rows"] = page->findChild<QTreeWidget*>("calcTable")->topLevelItemCount();
}
BENCHMARK(BM_CalcSampleScriptRun)->Unit(benchmark::kMillisecond);

void BM_CalcRunawayScriptStopped(benchmark::State& state)
{
    PageFixture fixture([](CGameDatabase&, const CQuillmarDoc&) { return std::size_t{1}; });
    const auto page = fixture.ShownPage<CPage6>();
    const std::filesystem::path script = std::filesystem::temp_directory_path() / "quillmar-bench-runaway.lua";
    std::ofstream(script) << "while true do end";
    for (auto _ : state)
        if (page->RunScript(script) != ScriptOutcome::Failed)
            state.SkipWithError("the runaway script was not stopped");
    std::filesystem::remove(script);
}
BENCHMARK(BM_CalcRunawayScriptStopped)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
