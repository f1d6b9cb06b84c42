// The application: owns the settings, the one game database, the prompt that
// shows messages, the open documents and the main window; runs start-up, the
// document commands, the data-language switch and exit.
#pragma once

#include <QObject>
#include <QTranslator>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/UiLanguage.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "shell/CShellContext.h"

class QSettings;
class CCharacterDocument;
class CChildFrame;
class CMainFrame;
class CMessageBoxPrompt;

struct CStartupOptions {
    // config.bin: read at start-up, written at exit. When it does not exist
    // yet, settingsFallback (if given) is read instead, so that a read-only
    // config.bin beside the program still counts.
    std::filesystem::path settingsFile;
    std::filesystem::path settingsFallback;
    // The folder that holds "de" and "en".
    std::string dataRoot = ".";
    UiLanguage uiLanguage = UiLanguage::English;
    // A character file to open instead of a new character.
    QString fileToOpen;
    // An INI file for the recent-file list; empty: the user's settings store
    // under the application name "Velk".
    QString recentFilesStore;
};

class CQuillmarApp : public QObject {
    Q_OBJECT
public:
    static constexpr int kRecentFileCount = 4;

    // Without a prompt, messages are shown in message boxes over the main window.
    explicit CQuillmarApp(CPrompt* prompt = nullptr, QObject* parent = nullptr);
    ~CQuillmarApp() override;

    // Settings, recent files, database, main window, then the command line's
    // document; shows the main window. False when the file named could not be
    // opened (the user has been told why): the program ends.
    bool Startup(const CStartupOptions& options);

    CShellContext& Context() { return m_context; }
    CGameDatabase& Database() { return m_database; }
    CAppSettings& Settings() { return m_settings; }
    CPrompt& Prompt() { return m_context.prompt; }
    UiLanguage Language() const { return m_context.uiLanguage; }
    QString Text(int id) const { return m_context.Text(id); }
    CMainFrame* MainFrame() const { return m_mainFrame.get(); }

    // Documents in the order they were opened.
    int DocumentCount() const { return static_cast<int>(m_documents.size()); }
    CCharacterDocument* Document(int index) const
    {
        return m_documents.at(static_cast<std::size_t>(index)).get();
    }
    CCharacterDocument* FindDocument(const QString& path) const;

    CCharacterDocument* NewDocument();
    // Opens the file in a window of its own (or activates the window that
    // already shows it). A failure is shown to the user and gives nullptr.
    CCharacterDocument* OpenDocument(const QString& path);
    // Asks for a file and opens it.
    CCharacterDocument* OpenDocumentAsked();
    // A share code opens as a new, unsaved document; a bad code is explained
    // and opens nothing.
    CCharacterDocument* OpenShareCode(const QString& code);
    // The document's share code; empty after explaining why there is none.
    QString ShareCodeOf(const CCharacterDocument& document);
    // Save asks for a name when the document has no file yet. Failures are
    // shown; the document then stays modified.
    bool SaveDocument(CCharacterDocument& document);
    bool SaveDocumentAs(CCharacterDocument& document);
    bool SaveDocumentTo(CCharacterDocument& document, const QString& path);
    // Another window on the same document.
    CChildFrame* OpenWindow(CCharacterDocument& document);

    // Whether the document may be closed: with SAVE_MODIFIED 0 its changes are
    // dropped, else a modified document asks Yes (save) / No / Cancel.
    bool QueryCloseDocument(CCharacterDocument& document);
    // Asks, then closes every window of the document.
    bool CloseDocument(CCharacterDocument& document);
    // Asks for every modified document (Cancel stops), then saves the
    // settings. True when the program may end.
    bool QueryExit();
    bool SaveSettings();
    // Kept with the recent files, restored at the next start.
    void StoreMainWindowGeometry(const QByteArray& geometry);
    const std::filesystem::path& SettingsFile() const { return m_settingsFile; }

    // The preferences dialog; after OK every view rebuilds.
    void ShowPreferences();

    // Reloads the database in "de" or "en" with every document carried over
    // through a temporary file. Nothing changes when a document cannot be
    // saved; when the data or a document cannot be loaded, the old language
    // is restored. A failure is shown.
    bool SwitchLanguage(const std::string& folder);

    QStringList RecentFiles() const { return m_recentFiles; }
    void OpenRecentFile(int index);

    // Seams: where the language switch's temporary folder goes, and how a
    // file name is asked for.
    void SetTemporaryFolderBase(const QString& folder) { m_temporaryFolderBase = folder; }
    enum class FileDialog { Open, SaveAs };
    using FileChooser = std::function<QString(FileDialog kind, const QString& suggestion)>;
    void SetFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    // Called by a child window when it goes; the last window of a document
    // takes the document with it.
    void FrameDestroyed(CChildFrame* frame);

signals:
    void documentsChanged();
    void recentFilesChanged();
    void dataLanguageChanged();
    // A note for the status bar.
    void statusMessage(const QString& text);

private:
    CCharacterDocument* AddDocument(std::unique_ptr<CCharacterDocument> document);
    void ShowError(const QString& text);
    void InstallQtTranslations();
    void AddRecentFile(const QString& path);
    void RemoveRecentFile(const QString& path);
    void WriteRecentFiles();
    // Writes a list change that start-up held back (the store syncs to disk).
    void WritePendingRecentFiles();
    void ReadRecentFiles();
    void ActivateCurrentView();
    QString ChooseFile(FileDialog kind, const QString& suggestion);

    std::unique_ptr<CMessageBoxPrompt> m_ownPrompt;
    CAppSettings m_settings;
    CGameDatabase m_database;
    CShellContext m_context;
    std::filesystem::path m_settingsFile;
    std::unique_ptr<QSettings> m_recentStore;
    QStringList m_recentFiles;
    // While starting up, a change to the list waits for the first painted frame.
    QTranslator m_qtTranslator;
    bool m_holdRecentWrite = false;
    bool m_recentWritePending = false;
    std::vector<std::unique_ptr<CCharacterDocument>> m_documents;
    std::unique_ptr<CMainFrame> m_mainFrame;  // after the documents: its windows go first
    int m_untitledCount = 0;
    QString m_temporaryFolderBase;
    FileChooser m_chooseFile;
};
