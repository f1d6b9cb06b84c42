// An application started the way the program starts, but with everything it
// would take from the machine pointed into a temporary folder: config.bin,
// the recent-file store, the language switch's temporary files. Messages go
// to a prompt that records them and answers from a script.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "common/CPrompt.h"
#include "document/CharacterFile.h"
#include "shell/CCharacterDocument.h"
#include "shell/CQuillmarApp.h"

namespace shell_test {

class ScriptedPrompt : public CPrompt {
public:
    PromptAnswer Show(const PromptMessage& message) override
    {
        messages.push_back(message);
        if (message.buttons == PromptButtons::Ok)
            return PromptAnswer::Ok;
        if (answers.empty()) {
            // A question nobody expected: fail loudly but take the harmless way out.
            unexpectedQuestions.push_back(message.text);
            return PromptAnswer::Cancel;
        }
        const PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QStringList Texts() const
    {
        QStringList texts;
        for (const PromptMessage& message : messages)
            texts << QString::fromStdString(message.text);
        return texts;
    }

    std::vector<PromptMessage> messages;
    std::deque<PromptAnswer> answers;
    std::vector<std::string> unexpectedQuestions;
};

inline std::string Local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

class ShellFixture {
public:
    ShellFixture() : m_app(std::make_unique<CQuillmarApp>(&prompt)) {}

    CStartupOptions Options(UiLanguage language = UiLanguage::English) const
    {
        CStartupOptions options;
        options.settingsFile = Local(SettingsPath());
        options.dataRoot = QUILLMAR_SHIPPED_DATA;
        options.uiLanguage = language;
        options.recentFilesStore = folder.filePath(QStringLiteral("recent.ini"));
        return options;
    }

    bool Start(const CStartupOptions& options)
    {
        const bool started = m_app->Startup(options);
        m_app->SetTemporaryFolderBase(TemporaryBase());
        return started;
    }
    bool Start(UiLanguage language = UiLanguage::English) { return Start(Options(language)); }

    CQuillmarApp& App() { return *m_app; }
    // A second run of the program on the same folder.
    void Restart() { m_app = std::make_unique<CQuillmarApp>(&prompt); }

    QString SettingsPath() const { return folder.filePath(QStringLiteral("config.bin")); }
    QString TemporaryBase() const
    {
        QDir(folder.path()).mkpath(QStringLiteral("tmp"));
        return folder.filePath(QStringLiteral("tmp"));
    }
    QString FilePath(const QString& name) const { return folder.filePath(name); }

    // A character saved by the running program, then closed again.
    QString SavedCharacter(const QString& name, float level)
    {
        CCharacterDocument* document = m_app->NewDocument();
        document->Doc().SetLevel(level);
        const QString path = FilePath(name);
        if (!m_app->SaveDocumentTo(*document, path))
            return {};
        m_app->CloseDocument(*document);
        return path;
    }

    QTemporaryDir folder;
    ScriptedPrompt prompt;

private:
    std::unique_ptr<CQuillmarApp> m_app;
};

// The file image of a document: its content in numbers, the same whatever
// the data language.
inline std::string FileBytes(const CQuillmarDoc& doc)
{
    std::string bytes;
    if (!CharacterFileBytes(doc, bytes, UiLanguage::English).ok)
        return {};
    return bytes;
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace shell_test
