// A data-language switch with 20 open characters (goal: at most 300 ms):
// every document written to a temporary file, the database reloaded, every
// document read back and its window rebuilt. Alternates German and English.
// Runs offscreen; nothing outside a temporary folder is read or written.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include "common/CPrompt.h"
#include "database/CGameDatabase.h"
#include "shell/CCharacterDocument.h"
#include "shell/CQuillmarApp.h"

namespace {

// Any message during a switch is a failure of the benchmark.
class CountingPrompt : public CPrompt {
public:
    PromptAnswer Show(const PromptMessage&) override
    {
        ++shown;
        return PromptAnswer::Ok;
    }
    int shown = 0;
};

constexpr int kDocuments = 20;

void BM_SwitchLanguage(benchmark::State& state)
{
    QTemporaryDir folder;
    CountingPrompt prompt;
    CQuillmarApp app(&prompt);
    CStartupOptions options;
    options.settingsFile = (folder.path() + QStringLiteral("/config.bin")).toStdString();
    options.dataRoot = QUILLMAR_SHIPPED_DATA;
    options.recentFilesStore = folder.filePath(QStringLiteral("recent.ini"));
    if (!app.Startup(options)) {
        state.SkipWithError("start-up failed");
        return;
    }
    app.SetTemporaryFolderBase(folder.path());

    // A mix: new ones, saved ones, changed ones, career plans.
    CGameDatabase& db = app.Database();
    while (app.DocumentCount() < kDocuments) {
        CCharacterDocument* document = app.NewDocument();
        CQuillmarDoc& doc = document->Doc();
        const int n = app.DocumentCount();
        doc.SetRealm(CGameDatabase::RealmNames().at(static_cast<std::size_t>(n % 3)));
        db.SelectRealmByCode(doc.GetRealm());
        const auto classes = db.ClassNames();
        doc.SetClass(classes.at(static_cast<std::size_t>(n) % classes.size()));
        if (n % 2 == 0) {
            doc.SetCareerMode(1);
            for (float level = 10; level <= 50; level += 10) {
                doc.SetLevel(level);
                for (const std::string& line : doc.SkillLines())
                    doc.SetSpecLevel(line, static_cast<int>(level / 3));
            }
        } else {
            for (const std::string& line : doc.SkillLines())
                doc.SetSpecLevel(line, 12);
        }
        if (n % 4 == 1)
            app.SaveDocumentTo(*document, folder.filePath(QStringLiteral("c%1.chr").arg(n)));
    }

    bool english = true;
    for (auto _ : state) {
        if (!app.SwitchLanguage(english ? "en" : "de") || prompt.shown != 0) {
            state.SkipWithError("the switch failed");
            break;
        }
        english = !english;
    }
    state.counters["documents"] = app.DocumentCount();
}
BENCHMARK(BM_SwitchLanguage)->Unit(benchmark::kMillisecond);

}  // namespace
