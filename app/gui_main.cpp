// Entry point of the desktop program:
//   quillmar [FILE.chr] [--lang de|en] [--data-root DIR]
//   quillmar --export-pdf OUT.pdf FILE.chr [--data de|en] [--data-root DIR] [--lang de|en]
#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "common/UiLanguage.h"
#include "database/DataRoot.h"
#include "document/CAppSettings.h"
#include "printing/SheetExport.h"
#include "shell/CMainFrame.h"
#include "shell/CQuillmarApp.h"
#include "shell/CShellContext.h"
#include "shell/ExposeReporter.h"

namespace {

QString Text(int id, UiLanguage language)
{
    const std::string_view text = UiText(id, language);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The version and the help are printed without a window, so they need no display either.
bool AsksOnlyForText(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"--version", "-v", "--help", "-h", "--help-all"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

int Fail(const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Exporting a sheet shows no window and needs no display.
    const bool exportOnly = ArgumentsAskForExport(argc, argv);
    if (exportOnly || AsksOnlyForText(argc, argv))
        ChooseHeadlessPlatform();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmar"));
    QApplication::setOrganizationName(QStringLiteral("Quillmar"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLMAR_VERSION));

    // The help text is written before --lang is known, so it follows the locale.
    UiLanguage language = UiLanguageFromEnvironment();
    QCommandLineParser parser;
    parser.setApplicationDescription(Text(ui_text::kProgramDescription, language));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"), Text(ui_text::kArgumentFile, language),
                                 QStringLiteral("[FILE.chr]"));
    const QCommandLineOption languageOption(
        QStringLiteral("lang"), Text(ui_text::kArgumentLanguage, language), QStringLiteral("de|en"));
    const QCommandLineOption dataRootOption(
        QStringLiteral("data-root"), Text(ui_text::kArgumentDataRoot, language), QStringLiteral("DIR"));
    parser.addOption(languageOption);
    parser.addOption(dataRootOption);
    // Character sheet export.
    const QCommandLineOption exportOption(
        QStringLiteral("export-pdf"), Text(ui_text::kArgumentExportPdf, language), QStringLiteral("OUT.pdf"));
    const QCommandLineOption dataOption(
        QStringLiteral("data"), Text(ui_text::kArgumentData, language), QStringLiteral("de|en"));
    const QCommandLineOption setOption(
        QStringLiteral("set"), Text(ui_text::kArgumentSetting, language), QStringLiteral("KEY=VALUE"));
    parser.addOption(exportOption);
    parser.addOption(dataOption);
    parser.addOption(setOption);
    parser.process(application);

    if (parser.isSet(languageOption)) {
        const QString code = parser.value(languageOption);
        const auto chosen = UiLanguageFromCode(code.toStdString());
        if (!chosen)
            return Fail(Text(ui_text::kArgumentBadLanguage, language).arg(code));
        language = *chosen;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return Fail(Text(ui_text::kArgumentTooMany, language));

    std::optional<std::string> dataRoot;
    if (parser.isSet(dataRootOption))
        dataRoot = QFile::encodeName(parser.value(dataRootOption)).toStdString();

    const std::filesystem::path programFolder =
        QFile::encodeName(QApplication::applicationDirPath()).toStdString();
    if (exportOnly) {
        if (files.size() != 1)
            return Fail(Text(ui_text::kArgumentExportNeedsFile, language));
        SheetExportRequest request;
        request.output = parser.value(exportOption);
        request.character = files.front();
        request.dataRoot = FindDataRoot(DataRootSourcesOfProcess(dataRoot));
        if (parser.isSet(dataOption)) {
            const QString data = parser.value(dataOption);
            if (data != QLatin1String("de") && data != QLatin1String("en"))
                return Fail(Text(ui_text::kArgumentBadData, language).arg(data));
            request.data = data.toStdString();
        }
        const std::filesystem::path settingsFile = SettingsFileLocation(programFolder, UserConfigFolder());
        std::error_code missing;
        request.settingsFile = std::filesystem::exists(settingsFile, missing)
                                   ? settingsFile
                                   : programFolder / CAppSettings::kFileName;
        request.language = language;
        for (const QString& assignment : parser.values(setOption)) {
            const qsizetype equals = assignment.indexOf(QLatin1Char('='));
            bool number = false;
            const int value = equals > 0 ? assignment.mid(equals + 1).toInt(&number) : 0;
            if (!number)
                return Fail(Text(ui_text::kArgumentBadSetting, language).arg(assignment));
            request.settings.emplace_back(assignment.left(equals).toStdString(), value);
        }
        return ExportSheetFromCommandLine(request);
    }
    CStartupOptions options;
    options.settingsFile = SettingsFileLocation(programFolder, UserConfigFolder());
    options.settingsFallback = programFolder / CAppSettings::kFileName;
    options.dataRoot = FindDataRoot(DataRootSourcesOfProcess(dataRoot));
    options.uiLanguage = language;
    if (!files.isEmpty())
        options.fileToOpen = files.front();

    CQuillmarApp shell;
    if (!shell.Startup(options))
        return 1;

    ExposeReporter reporter;
    if (qEnvironmentVariable("QUILLMAR_EXIT_WHEN_SHOWN") == QLatin1String("1"))
        shell.MainFrame()->windowHandle()->installEventFilter(&reporter);
    return QApplication::exec();
}
