// Full refreshes of the reference pages, offscreen, each for the shipped class
// that gives the page the most rows:
// - spells with "All spells" (goal: at most 8 ms);
// - styles with "All styles": list, both filters and the tree (goal: at most 8 ms);
// - resists with all three realms ticked (goal: at most 20 ms).
#include <benchmark/benchmark.h>

#include <QApplication>

#include <functional>
#include <memory>
#include <string>

#include "SilentPrompt.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "pages/resists/CPage7.h"
#include "pages/spells/CPage3.h"
#include "pages/spells/SpellsRules.h"
#include "pages/styles/CPage4.h"
#include "pages/styles/StylesRules.h"

namespace {

struct PageFixture {
    SilentPrompt prompt;
    CAppSettings settings;
    CGameDatabase database{QUILLMAR_SHIPPED_DATA};
    std::unique_ptr<CShellContext> context;
    std::unique_ptr<CQuillmarDoc> doc;
    std::string className;
    std::size_t rows = 0;

    // The class for which rowCount (given the document of that class) is largest.
    explicit PageFixture(const std::function<std::size_t(CGameDatabase&, const CQuillmarDoc&)>& rowCount,
                         std::string_view option = {})
    {
        database.Load("en");
        context = std::make_unique<CShellContext>(CShellContext{database, settings, prompt, UiLanguage::English});
        const CClassTable& classes = database.Classes();
        for (int i = 0; i < classes.Count(); ++i) {
            OpenCharacter(classes.Name(i), option);
            const std::size_t count = rowCount(database, *doc);
            if (count > rows) {
                rows = count;
                className = classes.Name(i);
            }
        }
        OpenCharacter(className, option);
    }

    void OpenCharacter(const std::string& name, std::string_view option)
    {
        doc = std::make_unique<CQuillmarDoc>(database, settings);
        doc->SetClass(name);
        doc->ActivateSelection();
        doc->SetLevel(50.0f);
        if (!option.empty())
            doc->SetOption(option, 1);
    }

    template <typename Page>
    std::unique_ptr<Page> ShownPage()
    {
        auto page = std::make_unique<Page>(*context, *doc);
        page->resize(page->TemplateSize());
        page->show();
        QApplication::processEvents();
        return page;
    }
};

void BM_SpellsAllSpellsRefresh(benchmark::State& state)
{
    PageFixture fixture(
        [](CGameDatabase& db, const CQuillmarDoc& doc) {
            return spells_rules::BuildRows(db, doc, {true, false, false}).size();
        },
        spells_rules::kShowAllSpells);
    const auto page = fixture.ShownPage<CPage3>();
    for (auto _ : state)
        page->OnClassChanged();
    state.counters["rows"] = static_cast<double>(fixture.rows);
    state.SetLabel(fixture.className);
}
BENCHMARK(BM_SpellsAllSpellsRefresh)->Unit(benchmark::kMillisecond);

void BM_StylesAllStylesRefresh(benchmark::State& state)
{
    PageFixture fixture(
        [](CGameDatabase& db, const CQuillmarDoc& doc) { return styles_rules::BuildList(db, doc, true).rows.size(); },
        styles_rules::kShowAllStyles);
    const auto page = fixture.ShownPage<CPage4>();
    for (auto _ : state)
        page->OnClassChanged();
    state.counters["rows"] = static_cast<double>(fixture.rows);
    state.SetLabel(fixture.className);
}
BENCHMARK(BM_StylesAllStylesRefresh)->Unit(benchmark::kMillisecond);

void BM_ResistsAllRealmsFill(benchmark::State& state)
{
    PageFixture fixture([](CGameDatabase&, const CQuillmarDoc&) { return std::size_t{1}; });
    const auto page = fixture.ShownPage<CPage7>();
    for (auto _ : state)
        page->Fill();
    state.counters["rows"] =
        static_cast<double>(resists_rules::BuildRows(fixture.database, {true, true, true}).size());
}
BENCHMARK(BM_ResistsAllRealmsFill)->Unit(benchmark::kMillisecond);

}  // namespace
