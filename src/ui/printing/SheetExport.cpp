#include "printing/SheetExport.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

#include "common/CPrompt.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/CharacterFile.h"
#include "printing/CSheetPrinter.h"
#include "shell/UiText.h"

namespace {

// Messages go to stderr; questions get their cautious answer.
class CStderrPrompt : public CPrompt {
public:
    PromptAnswer Show(const PromptMessage& message) override
    {
        std::fprintf(stderr, "%s\n", message.text.c_str());
        switch (message.buttons) {
        case PromptButtons::Ok: return PromptAnswer::Ok;
        case PromptButtons::OkCancel: return PromptAnswer::Cancel;
        case PromptButtons::YesNo:
        case PromptButtons::YesNoCancel: return PromptAnswer::No;
        }
        return PromptAnswer::Cancel;
    }
};

QString Text(int id, UiLanguage language)
{
    const std::string_view text = UiText(id, language);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int Fail(const QString& text)
{
    std::fprintf(stderr, "quillmar: %s\n", qPrintable(text));
    return 1;
}

}  // namespace

bool ArgumentsAskForExport(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--export-pdf") == 0 || std::strncmp(argv[i], "--export-pdf=", 13) == 0)
            return true;
    return false;
}

void ChooseHeadlessPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int ExportSheetFromCommandLine(const SheetExportRequest& request)
{
    CStderrPrompt prompt;
    CAppSettings settings;
    settings.Load(request.settingsFile);
    for (const auto& [key, value] : request.settings)
        settings.Set(key, value);
    CGameDatabase database;
    database.SetDataRoot(request.dataRoot);
    database.SetPrompt(&prompt, request.language);
    database.Load(request.data.value_or(settings.Get(setting::DEFAULT_DB) != 0 ? "en" : "de"));
    if (!database.IsLoaded())
        return Fail(Text(ui_text::kPrintDataFailed, request.language));

    CQuillmarDoc doc(database, settings);
    const CharacterLoadResult loaded =
        LoadCharacterFile(doc, QFile::encodeName(request.character).toStdString(), &prompt, request.language);
    if (!loaded.Ok())
        return Fail(loaded.error.empty() ? QStringLiteral("%1 was not opened").arg(request.character)
                                         : QString::fromStdString(loaded.error));
    const QString title = QFileInfo(request.character).completeBaseName();
    CSheetPrinter printer(database, doc, settings, title);
    const QString error = ExportSheetPdf(printer, request.output, title, DefaultSheetLayout());
    if (!error.isEmpty())
        return Fail(Text(ui_text::kPrintPdfFailed, request.language).arg(request.output, error));
    return 0;
}
