// The skills page, offscreen:
// - a full refresh (rows rebuilt, controls recreated, points) for the shipped
//   class with the most lines (goal: at most 8 ms);
// - a level-control step in career mode: the plan entry, the career
//   recomputation, the colouring and the points (goal: at most 2 ms).
#include <benchmark/benchmark.h>

#include <memory>

#include "PageFixture.h"
#include "controls/CNumEdit.h"
#include "pages/skills/CPage2.h"
#include "pages/skills/SkillsRules.h"

namespace {

// The class with the most lines, and of those the one with the most rows.
struct SkillsFixture : PageFixture {
    std::unique_ptr<CPage2> page;
    int lines = 0;

    explicit SkillsFixture(bool career)
        : PageFixture([](CGameDatabase& db, const CQuillmarDoc&) {
              const int cls = db.Selection().classIndex;
              const std::size_t lineCount = db.Classes().StyleLines(cls).size() + db.Classes().SpellLines(cls).size();
              return lineCount * 100000 + skills_rules::BuildRows(db).size();
          })
    {
        lines = static_cast<int>(rows / 100000);
        if (career)
            doc->SetCareerMode(1);
        doc->SetLevel(career ? 45.0f : 50.0f);
        page = ShownPage<CPage2>();
    }
};

void BM_SkillsFullRefresh(benchmark::State& state)
{
    SkillsFixture fixture(false);
    if (fixture.page->Rows().empty()) {
        state.SkipWithError("no rows");
        return;
    }
    for (auto _ : state)
        fixture.page->OnClassChanged();
    state.counters["lines"] = fixture.lines;
    state.counters["rows"] = static_cast<double>(fixture.page->Rows().size());
    state.SetLabel(fixture.className);
}
BENCHMARK(BM_SkillsFullRefresh)->Unit(benchmark::kMillisecond);

void BM_SkillsCareerLevelStep(benchmark::State& state)
{
    SkillsFixture fixture(true);
    CNumEdit* control = nullptr;
    for (std::size_t i = 0; i < fixture.page->Rows().size() && !control; ++i)
        control = fixture.page->LevelControl(static_cast<int>(i));
    if (!control) {
        state.SkipWithError("no level control");
        return;
    }
    // Up and down in turn, so that every step changes the plan.
    int delta = +1;
    for (auto _ : state) {
        control->step(delta);
        delta = -delta;
    }
    state.SetLabel(fixture.className);
}
BENCHMARK(BM_SkillsCareerLevelStep)->Unit(benchmark::kMicrosecond);

}  // namespace
