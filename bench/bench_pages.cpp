// Full refreshes of the planner pages, offscreen, each for the shipped class
// that gives the page the most rows:
// - spells with "All spells" (goal: at most 8 ms);
// - styles with "All styles": list, both filters and the tree (goal: at most 8 ms);
// - resists with all three realms ticked (goal: at most 20 ms);
// - both realm-ability pages (goal: at most 8 ms each), and a level-button
//   click there: document, points, button states and marks (goal: at most 2 ms).
#include <benchmark/benchmark.h>

#include <QApplication>

#include <functional>
#include <memory>
#include <string>

#include "SilentPrompt.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "pages/realmabilities/CPage5.h"
#include "pages/realmabilities/CPage9_RAnw.h"
#include "pages/realmabilities/RealmAbilityRules.h"
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

template <typename Page>
void RealmAbilityRefresh(benchmark::State& state, bool newRules)
{
    PageFixture fixture([newRules](CGameDatabase& db, const CQuillmarDoc& doc) {
        return newRules ? ra_rules::NewRulesRows(db, doc).size()
                        : ra_rules::OldRulesRows(db, doc, ra_rules::SortMode::ByKind).size();
    });
    fixture.doc->SetRealmRank(60);
    const auto page = fixture.ShownPage<Page>();
    for (auto _ : state)
        page->OnClassChanged();
    state.counters["rows"] = static_cast<double>(fixture.rows);
    state.SetLabel(fixture.className);
}

void BM_RealmAbilitiesRefresh(benchmark::State& state)
{
    RealmAbilityRefresh<CPage5>(state, false);
}
BENCHMARK(BM_RealmAbilitiesRefresh)->Unit(benchmark::kMillisecond);

void BM_RealmAbilitiesNfRefresh(benchmark::State& state)
{
    RealmAbilityRefresh<CPage9_RAnw>(state, true);
}
BENCHMARK(BM_RealmAbilitiesNfRefresh)->Unit(benchmark::kMillisecond);

// Level 2 of the first ability bought and cleared in turn: every click changes the document.
void BM_RealmAbilityLevelClick(benchmark::State& state)
{
    PageFixture fixture([](CGameDatabase& db, const CQuillmarDoc& doc) {
        return ra_rules::OldRulesRows(db, doc, ra_rules::SortMode::ByKind).size();
    });
    fixture.doc->SetRealmRank(60);
    const auto page = fixture.ShownPage<CPage5>();
    int row = 0;
    while (row < static_cast<int>(page->Rows().size()) && !page->Rows()[static_cast<std::size_t>(row)].HasButton(2))
        ++row;
    if (row == static_cast<int>(page->Rows().size())) {
        state.SkipWithError("no ability with two levels");
        return;
    }
    for (auto _ : state)
        page->ClickLevel(row, 2);
    state.SetLabel(fixture.className);
}
BENCHMARK(BM_RealmAbilityLevelClick)->Unit(benchmark::kMicrosecond);

}  // namespace
