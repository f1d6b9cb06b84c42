#include "shell/CQuillmarApp.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMdiArea>
#include <QSettings>

#include <system_error>

#include "document/CharacterFile.h"
#include "document/ShareCode.h"
#include "shell/CCharacterDocument.h"
#include "shell/CChildFrame.h"
#include "shell/CMainFrame.h"
#include "shell/CMessageBoxPrompt.h"
#include "shell/COpenDocuments.h"
#include "shell/COptionDialog.h"
#include "shell/CQuillmarView.h"

namespace {

const QString kRecentGroup = QStringLiteral("Recent File List");

std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CQuillmarApp::CQuillmarApp(CPrompt* prompt, QObject* parent)
    : QObject(parent),
      m_ownPrompt(prompt ? nullptr : std::make_unique<CMessageBoxPrompt>()), m_context{m_database, m_settings,
                                                                                       prompt ? *prompt
                                                                                              : *m_ownPrompt,
                                                                                       UiLanguage::English}
{
}

CQuillmarApp::~CQuillmarApp()
{
    WritePendingRecentFiles();
    // The windows hold references to the documents and the database.
    m_mainFrame.reset();
    m_documents.clear();
}

void CQuillmarApp::InstallQtTranslations()
{
    // Qt's own texts (standard dialogs, context menus, the names of keys in
    // shortcuts) follow the interface language.
    QCoreApplication::removeTranslator(&m_qtTranslator);
    if (Language() == UiLanguage::German &&
        m_qtTranslator.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTranslator);
}

namespace {
const QString kMainWindowGeometryKey = QStringLiteral("MainWindow/Geometry");
}  // namespace

bool CQuillmarApp::Startup(const CStartupOptions& options)
{
    m_settingsFile = options.settingsFile;
    std::error_code error;
    const bool ownFileExists = std::filesystem::exists(m_settingsFile, error);
    m_settings.Load(ownFileExists || options.settingsFallback.empty() ? m_settingsFile
                                                                      : options.settingsFallback);
    m_context.uiLanguage = options.uiLanguage;
    InstallQtTranslations();

    if (options.recentFilesStore.isEmpty()) {
        m_recentStore =
            std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                        QCoreApplication::organizationName(), QStringLiteral("Velk"));
    } else {
        m_recentStore = std::make_unique<QSettings>(options.recentFilesStore, QSettings::IniFormat);
    }
    ReadRecentFiles();

    m_database.SetDataRoot(options.dataRoot);
    m_database.SetPrompt(&Prompt(), Language());
    m_database.Load(m_settings.Get(setting::DEFAULT_DB) != 0 ? "en" : "de");

    m_mainFrame = std::make_unique<CMainFrame>(*this);
    if (m_ownPrompt)
        m_ownPrompt->SetParent(m_mainFrame.get());
    connect(m_mainFrame.get(), &CMainFrame::firstFramePainted, this, &CQuillmarApp::WritePendingRecentFiles);

    // The file argument joins the recent files; writing the store (which
    // syncs it to disk) waits until the window is on the screen.
    m_holdRecentWrite = true;
    const bool opened =
        options.fileToOpen.isEmpty() ? NewDocument() != nullptr : OpenDocument(options.fileToOpen) != nullptr;
    m_holdRecentWrite = false;
    if (!opened)
        return false;

    // The size and place the window had when it was last closed, if any.
    const QByteArray geometry = m_recentStore->value(kMainWindowGeometryKey).toByteArray();
    if (!geometry.isEmpty())
        m_mainFrame->restoreGeometry(geometry);
    m_mainFrame->show();
    m_mainFrame->ActivateFirstChild();
    return true;
}

void CQuillmarApp::StoreMainWindowGeometry(const QByteArray& geometry)
{
    m_recentStore->setValue(kMainWindowGeometryKey, geometry);
    m_recentStore->sync();
}

// Documents ---------------------------------------------------------------------

CCharacterDocument* CQuillmarApp::FindDocument(const QString& path) const
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (const auto& document : m_documents) {
        if (!document->Path().isEmpty() && document->Path() == absolute)
            return document.get();
    }
    return nullptr;
}

CCharacterDocument* CQuillmarApp::AddDocument(std::unique_ptr<CCharacterDocument> document)
{
    CCharacterDocument* added = document.get();
    m_documents.push_back(std::move(document));
    if (m_mainFrame)
        m_mainFrame->AddChild(*added);
    emit documentsChanged();
    return added;
}

CCharacterDocument* CQuillmarApp::NewDocument()
{
    auto document = std::make_unique<CCharacterDocument>(m_database, m_settings,
                                                         QStringLiteral("Quillmar%1").arg(++m_untitledCount));
    document->Doc().New();
    return AddDocument(std::move(document));
}

CCharacterDocument* CQuillmarApp::OpenShareCode(const QString& code)
{
    const share_code::Decoded decoded = share_code::Decode(code.toStdString());
    if (!decoded.Ok()) {
        ShowError(FromUtf8(std::string(share_code::ErrorText(decoded.error, Language()))));
        return nullptr;
    }
    auto document = std::make_unique<CCharacterDocument>(m_database, m_settings,
                                                         QStringLiteral("Quillmar%1").arg(++m_untitledCount));
    const CharacterLoadResult loaded =
        LoadCharacterBytes(document->Doc(), decoded.bytes, "share code", &Prompt(), Language());
    if (!loaded.Ok()) {
        if (loaded.status != CharacterLoadStatus::TooOld && loaded.status != CharacterLoadStatus::Cancelled)
            ShowError(FromUtf8(loaded.error));
        return nullptr;
    }
    // Opened from text, not from a file: there is nothing to save it back to.
    document->Doc().SetModified(true);
    return AddDocument(std::move(document));
}

QString CQuillmarApp::ShareCodeOf(const CCharacterDocument& document)
{
    std::string bytes;
    const CharacterSaveResult packed = CharacterFileBytes(document.Doc(), bytes, Language());
    if (!packed.ok) {
        ShowError(FromUtf8(packed.error));
        return {};
    }
    return QString::fromStdString(share_code::Encode(bytes));
}

CCharacterDocument* CQuillmarApp::OpenDocument(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (CCharacterDocument* open = FindDocument(absolute)) {
        if (m_mainFrame && !open->Frames().isEmpty())
            m_mainFrame->ActivateChild(open->Frames().front());
        return open;
    }

    auto document =
        std::make_unique<CCharacterDocument>(m_database, m_settings, QFileInfo(absolute).fileName());
    const CharacterLoadResult loaded =
        LoadCharacterFile(document->Doc(), LocalPath(absolute), &Prompt(), Language());
    if (!loaded.Ok()) {
        // A file too old has been explained by the reader, a cancelled one was the user's choice.
        if (loaded.status != CharacterLoadStatus::TooOld && loaded.status != CharacterLoadStatus::Cancelled)
            ShowError(FromUtf8(loaded.error));
        return nullptr;
    }
    document->SetPath(absolute);
    AddRecentFile(absolute);
    return AddDocument(std::move(document));
}

CCharacterDocument* CQuillmarApp::OpenDocumentAsked()
{
    const QString path = ChooseFile(FileDialog::Open, QString());
    return path.isEmpty() ? nullptr : OpenDocument(path);
}

void CQuillmarApp::OpenRecentFile(int index)
{
    if (index < 0 || index >= m_recentFiles.size())
        return;
    const QString path = m_recentFiles.at(index);
    // A recent file that no longer opens leaves the list, as it would only fail again.
    if (!OpenDocument(path))
        RemoveRecentFile(path);
}

bool CQuillmarApp::SaveDocumentTo(CCharacterDocument& document, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const CharacterSaveResult saved = SaveCharacterFile(document.Doc(), LocalPath(absolute), Language());
    if (!saved.ok) {
        ShowError(FromUtf8(saved.error));
        return false;
    }
    document.SetPath(absolute);
    AddRecentFile(absolute);
    return true;
}

bool CQuillmarApp::SaveDocumentAs(CCharacterDocument& document)
{
    const QString suggestion =
        document.Path().isEmpty() ? document.Title() + QStringLiteral(".chr") : document.Path();
    QString path = ChooseFile(FileDialog::SaveAs, suggestion);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".chr");
    return SaveDocumentTo(document, path);
}

bool CQuillmarApp::SaveDocument(CCharacterDocument& document)
{
    if (document.Path().isEmpty())
        return SaveDocumentAs(document);
    return SaveDocumentTo(document, document.Path());
}

CChildFrame* CQuillmarApp::OpenWindow(CCharacterDocument& document)
{
    return m_mainFrame ? m_mainFrame->AddChild(document) : nullptr;
}

bool CQuillmarApp::QueryCloseDocument(CCharacterDocument& document)
{
    if (m_settings.Get(setting::SAVE_MODIFIED) == 0) {
        document.Doc().SetModified(false);
        return true;
    }
    if (!document.IsModified())
        return true;
    const PromptMessage question{Text(ui_text::kApplicationTitle).toStdString(),
                                 Text(ui_text::kSaveChangesQuestion).arg(document.Title()).toStdString(),
                                 PromptIcon::Question, PromptButtons::YesNoCancel};
    switch (Prompt().Show(question)) {
    case PromptAnswer::Yes:
        return SaveDocument(document);
    case PromptAnswer::No:
        return true;
    default:
        return false;
    }
}

bool CQuillmarApp::CloseDocument(CCharacterDocument& document)
{
    if (!QueryCloseDocument(document))
        return false;
    // The last window takes the document with it, so nothing of it is used after the loop.
    const QList<CChildFrame*> frames = document.Frames();
    for (CChildFrame* frame : frames)
        delete frame;
    return true;
}

void CQuillmarApp::FrameDestroyed(CChildFrame* frame)
{
    for (auto it = m_documents.begin(); it != m_documents.end(); ++it) {
        if (!(*it)->Frames().contains(frame))
            continue;
        (*it)->DetachFrame(frame);
        if ((*it)->Frames().isEmpty()) {
            const std::unique_ptr<CCharacterDocument> closed = std::move(*it);
            m_documents.erase(it);
            if (m_mainFrame)
                emit documentsChanged();
        }
        return;
    }
}

bool CQuillmarApp::QueryExit()
{
    for (const auto& document : m_documents) {
        if (!QueryCloseDocument(*document))
            return false;
    }
    WritePendingRecentFiles();
    SaveSettings();
    return true;
}

bool CQuillmarApp::SaveSettings()
{
    std::error_code error;
    if (m_settingsFile.has_parent_path())
        std::filesystem::create_directories(m_settingsFile.parent_path(), error);
    return m_settings.Save(m_settingsFile, &Prompt());
}

void CQuillmarApp::ShowPreferences()
{
    COptionDialog dialog(m_context, m_mainFrame.get());
    dialog.SetSettingsFile(m_settingsFile);
    if (dialog.exec() != QDialog::Accepted)
        return;
    for (const auto& document : m_documents)
        document->Doc().UpdateAllViews(1);
}

// Language switch ----------------------------------------------------------------

void CQuillmarApp::ActivateCurrentView()
{
    if (!m_mainFrame)
        return;
    if (CChildFrame* child = m_mainFrame->CurrentChild())
        child->View()->OnActivate();
}

bool CQuillmarApp::SwitchLanguage(const std::string& folder)
{
    // A private folder of our own: nothing lands in the working folder.
    const QString base = m_temporaryFolderBase.isEmpty() ? QDir::tempPath() : m_temporaryFolderBase;
    COpenDocuments documents(m_database, m_documents, Prompt(), Language());
    const LanguageSwitchResult result = SwitchDataLanguage(documents, folder, LocalPath(base), Language());
    if (result.switched && !result.dataReloaded)
        return true;  // it was in that language already
    // The database's selection follows the active window's character again.
    ActivateCurrentView();
    if (result.dataReloaded)
        emit dataLanguageChanged();
    if (documents.RestartedHistories() > 0)
        emit statusMessage(Text(ui_text::kUndoHistoryCleared));
    if (!result.error.empty())
        ShowError(FromUtf8(result.error));
    return result.switched;
}

// Recent files and messages -------------------------------------------------------

void CQuillmarApp::ReadRecentFiles()
{
    m_recentFiles.clear();
    m_recentStore->beginGroup(kRecentGroup);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString path = m_recentStore->value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && !m_recentFiles.contains(path))
            m_recentFiles << path;
    }
    m_recentStore->endGroup();
    emit recentFilesChanged();
}

void CQuillmarApp::WriteRecentFiles()
{
    if (!m_recentStore)
        return;
    if (m_holdRecentWrite) {
        m_recentWritePending = true;
        emit recentFilesChanged();
        return;
    }
    m_recentWritePending = false;
    m_recentStore->beginGroup(kRecentGroup);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= m_recentFiles.size())
            m_recentStore->setValue(key, m_recentFiles.at(i - 1));
        else
            m_recentStore->remove(key);
    }
    m_recentStore->endGroup();
    m_recentStore->sync();
    emit recentFilesChanged();
}

void CQuillmarApp::WritePendingRecentFiles()
{
    if (m_recentWritePending)
        WriteRecentFiles();
}

void CQuillmarApp::AddRecentFile(const QString& path)
{
    m_recentFiles.removeAll(path);
    m_recentFiles.prepend(path);
    while (m_recentFiles.size() > kRecentFileCount)
        m_recentFiles.removeLast();
    WriteRecentFiles();
}

void CQuillmarApp::RemoveRecentFile(const QString& path)
{
    if (m_recentFiles.removeAll(path) > 0)
        WriteRecentFiles();
}

QString CQuillmarApp::ChooseFile(FileDialog kind, const QString& suggestion)
{
    if (m_chooseFile)
        return m_chooseFile(kind, suggestion);
    const QString filter = Text(ui_text::kFileFilter);
    if (kind == FileDialog::Open)
        return QFileDialog::getOpenFileName(m_mainFrame.get(), Text(ui_text::kOpenDialogTitle), suggestion,
                                            filter);
    return QFileDialog::getSaveFileName(m_mainFrame.get(), Text(ui_text::kSaveAsDialogTitle), suggestion,
                                        filter);
}

void CQuillmarApp::ShowError(const QString& text)
{
    Prompt().Show({Text(ui_text::kCaptionError).toStdString(), text.toStdString(), PromptIcon::Error,
                   PromptButtons::Ok});
}
