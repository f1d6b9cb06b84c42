// Full refreshes of the planner pages, offscreen, each for the shipped class
// that gives the page the most rows:
// - spells with "All spells" (goal: at most 8 ms);
// - styles with "All styles": list, both filters and the tree (goal: at most 8 ms);
// - resists with all three realms ticked (goal: at most 20 ms);
// - both realm-ability pages (goal: at most 8 ms each), and a level-button
//   click there: document, points, button states and marks (goal: at most 2 ms).
#include <benchmark/benchmark.h>

#include "PageFixture.h"
#include "pages/realmabilities/CPage5.h"
#include "pages/realmabilities/CPage9_RAnw.h"
#include "pages/realmabilities/RealmAbilityRules.h"
#include "pages/resists/CPage7.h"
#include "pages/spells/CPage3.h"
#include "pages/spells/SpellsRules.h"
#include "pages/styles/CPage4.h"
#include "pages/styles/StylesRules.h"

namespace {

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
