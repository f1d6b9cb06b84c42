// The character sheet of the benchmarks' career character (level 50, every
// line planned) with every style, every spell with its description and every
// realm ability: the layout pass alone (texts and page plan) and the whole
// PDF (layout and drawing of every page into memory).

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QPdfWriter>

#include "CareerCharacter.h"
#include "SilentPrompt.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "printing/CSheetPrinter.h"
#include "printing/PagePlan.h"

namespace {

struct LongSheet {
    SilentPrompt prompt;
    CGameDatabase database{QUILLMAR_SHIPPED_DATA};
    CAppSettings settings;
    CQuillmarDoc doc{database, settings};

    LongSheet()
    {
        database.SetPrompt(&prompt, UiLanguage::English);
        database.Load("en");
        BuildCareerCharacter(database, doc);
        for (const auto key : {setting::PrintAllStyles, setting::PrintAllSpells, setting::PrintSpellDesc,
                               setting::PrintAllRAs})
            settings.Set(key, 1);
    }
};

LongSheet& Sheet()
{
    static LongSheet sheet;
    return sheet;
}

void BM_SheetLayout(benchmark::State& state)
{
    LongSheet& sheet = Sheet();
    const sheet::PrintOptions options = sheet::ReadPrintOptions(sheet.settings, sheet.doc);
    std::size_t pages = 0;
    for (auto _ : state) {
        const sheet::SheetContent content =
            sheet::BuildSheetContent(sheet.database, sheet.doc, options, SheetInputsFor(QStringLiteral("Bench")));
        pages = sheet::PlanPages(content, 10.9).size();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_SheetLayout)->Unit(benchmark::kMillisecond);

void BM_SheetPdf(benchmark::State& state)
{
    LongSheet& sheet = Sheet();
    qint64 bytes = 0;
    int pages = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setResolution(600);
            writer.setPageLayout(DefaultSheetLayout());
            CSheetPrinter printer(sheet.database, sheet.doc, sheet.settings, QStringLiteral("Bench"));
            printer.PrintAll(writer);
            pages = printer.PageCount();
        }
        bytes = buffer.size();
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SheetPdf)->Unit(benchmark::kMillisecond);

}  // namespace
