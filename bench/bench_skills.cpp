// The skills page, offscreen:
// - a full refresh (rows rebuilt, controls recreated, points) for the shipped
//   class with the most lines (goal: at most 8 ms);
// - a level-control step in career mode: the plan entry, the career
//   recomputation, the colouring and the points (goal: at most 2 ms).
#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>
#include <string>

#include "SilentPrompt.h"
#include "controls/CNumEdit.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "pages/skills/CPage2.h"
#include "pages/skills/SkillsRules.h"

namespace {

struct SkillsFixture {
    SilentPrompt prompt;
    CAppSettings settings;
    CGameDatabase database{QUILLMAR_SHIPPED_DATA};
    std::unique_ptr<CShellContext> context;
    std::unique_ptr<CQuillmarDoc> doc;
    std::unique_ptr<CPage2> page;
    std::string className;
    int lines = 0;

    explicit SkillsFixture(bool career)
    {
        database.Load("en");
        // The class with the most lines, and of those the one with the most rows.
        const CClassTable& classes = database.Classes();
        std::size_t bestLines = 0;
        std::size_t bestRows = 0;
        for (int i = 0; i < classes.Count(); ++i) {
            const std::size_t count = classes.StyleLines(i).size() + classes.SpellLines(i).size();
            if (count < bestLines)
                continue;
            database.SelectClass(classes.Name(i));
            const std::size_t rows = skills_rules::BuildRows(database).size();
            if (count > bestLines || rows > bestRows) {
                bestLines = count;
                bestRows = rows;
                className = classes.Name(i);
            }
        }
        lines = static_cast<int>(bestLines);
        context =
            std::make_unique<CShellContext>(CShellContext{database, settings, prompt, UiLanguage::English});
        doc = std::make_unique<CQuillmarDoc>(database, settings);
        doc->SetClass(className);
        doc->ActivateSelection();
        if (career)
            doc->SetCareerMode(1);
        doc->SetLevel(career ? 45.0f : 50.0f);
        page = std::make_unique<CPage2>(*context, *doc);
        page->resize(page->TemplateSize());
        page->show();
        QApplication::processEvents();
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
