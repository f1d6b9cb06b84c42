// The program started with everything it takes from the machine (config.bin,
// recent files, temporary files) in a temporary folder; every question gets
// the same answer. Closing the last window must not end the test program.
#pragma once

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <memory>

#include "shell/CQuillmarApp.h"
#include "support/RecordingPrompt.h"

inline std::string Local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

class ShellFixture {
public:
    explicit ShellFixture(PromptAnswer answer = PromptAnswer::Cancel)
        : prompt(answer), m_app(std::make_unique<CQuillmarApp>(&prompt))
    {
        QApplication::setQuitOnLastWindowClosed(false);
    }
    CStartupOptions Options(UiLanguage language = UiLanguage::English) const
    {
        CStartupOptions options;
        options.settingsFile = Local(FilePath(QStringLiteral("config.bin")));
        options.dataRoot = QUILLMAR_SHIPPED_DATA;
        options.recentFilesStore = FilePath(QStringLiteral("recent.ini"));
        options.uiLanguage = language;
        return options;
    }
    bool Start(const CStartupOptions& options)
    {
        const bool started = m_app->Startup(options);
        QDir(folder.path()).mkpath(QStringLiteral("tmp"));
        m_app->SetTemporaryFolderBase(FilePath(QStringLiteral("tmp")));
        return started;
    }
    bool Start(UiLanguage language = UiLanguage::English) { return Start(Options(language)); }
    CQuillmarApp& App() { return *m_app; }
    QString FilePath(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    RecordingPrompt prompt;

private:
    std::unique_ptr<CQuillmarApp> m_app;
};
