#include "shell/CMainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QInputDialog>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <utility>

#include "database/CGameDatabase.h"
#include "document/ShareCode.h"
#include "printing/CSheetPrintCommands.h"
#include "shell/CCharacterDocument.h"
#include "shell/CChildFrame.h"
#include "shell/CEditMenu.h"
#include "shell/CCompareWindow.h"
#include "shell/CQuillmarApp.h"
#include "shell/CQuillmarView.h"

namespace {

constexpr int kStatusMessageMilliseconds = 5000;

// The local .chr files among dropped URLs.
QStringList CharacterFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".chr"), Qt::CaseInsensitive))
            files << url.toLocalFile();
    }
    return files;
}

QString MenuLabel(const QString& text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

CMainFrame::CMainFrame(CQuillmarApp& app, QWidget* parent) : QMainWindow(parent), m_app(app)
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(m_app.Text(ui_text::kApplicationTitle));
    setAcceptDrops(true);
    resize(1024, 720);

    // The view scrolls its own content, so the area needs no scroll bars.
    m_mdiArea = new QMdiArea(this);
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

    CreateActions();
    CreateMenus();
    m_editMenu = new CEditMenu(m_app, this);

    m_toolBar = addToolBar(m_app.Text(ui_text::kToolBarTitle));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->addAction(m_newAction);
    m_toolBar->addAction(m_openAction);
    m_toolBar->addAction(m_saveAction);
    m_toolBar->addAction(m_printAction);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_editMenu->UndoAction());
    m_toolBar->addAction(m_editMenu->RedoAction());
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_aboutAction);

    m_statusMessage = new QLabel(m_app.Text(ui_text::kStatusReady), this);
    statusBar()->addWidget(m_statusMessage, 1);

    connect(&m_app, &CQuillmarApp::documentsChanged, this, &CMainFrame::UpdateMenus);
    connect(&m_app, &CQuillmarApp::recentFilesChanged, this, &CMainFrame::FillFileMenu);
    connect(&m_app, &CQuillmarApp::dataLanguageChanged, this, &CMainFrame::UpdateDatabaseChecks);
    connect(&m_app, &CQuillmarApp::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text, kStatusMessageMilliseconds); });
    UpdateMenus();
}

CMainFrame::~CMainFrame()
{
    // The child windows tell the application when they go; by then this
    // window must no longer listen, and the area must not report activations
    // into a half-destroyed frame.
    disconnect(&m_app, nullptr, this, nullptr);
    // While the area goes, its windows close and may ask for the current
    // child: they must find no area rather than one half destroyed.
    disconnect(m_mdiArea, nullptr, this, nullptr);
    QMdiArea* area = std::exchange(m_mdiArea, nullptr);
    delete area;
}

void CMainFrame::CreateActions()
{
    const auto action = [this](int textId, QKeySequence::StandardKey key = QKeySequence::UnknownKey) {
        auto* created = new QAction(m_app.Text(textId), this);
        if (key != QKeySequence::UnknownKey)
            created->setShortcuts(key);
        return created;
    };
    m_newAction = action(ui_text::kMenuNew, QKeySequence::New);
    connect(m_newAction, &QAction::triggered, &m_app, [this] { m_app.NewDocument(); });
    m_openAction = action(ui_text::kMenuOpenNoDocument, QKeySequence::Open);
    connect(m_openAction, &QAction::triggered, &m_app, [this] { m_app.OpenDocumentAsked(); });
    m_preferencesAction = action(ui_text::kMenuPreferencesNoDocument);
    m_preferencesAction->setMenuRole(QAction::PreferencesRole);
    connect(m_preferencesAction, &QAction::triggered, &m_app, &CQuillmarApp::ShowPreferences);
    m_closeAction = action(ui_text::kMenuClose, QKeySequence::Close);
    connect(m_closeAction, &QAction::triggered, this, &CMainFrame::CloseCurrent);
    m_quitAction = action(ui_text::kMenuQuit, QKeySequence::Quit);
    m_quitAction->setMenuRole(QAction::QuitRole);
    connect(m_quitAction, &QAction::triggered, this, &QWidget::close);
    m_saveAction = action(ui_text::kMenuSave, QKeySequence::Save);
    connect(m_saveAction, &QAction::triggered, this, [this] { SaveCurrent(false); });
    m_saveAsAction = action(ui_text::kMenuSaveAs, QKeySequence::SaveAs);
    connect(m_saveAsAction, &QAction::triggered, this, [this] { SaveCurrent(true); });
    m_printAction = action(ui_text::kMenuPrint, QKeySequence::Print);
    m_printPreviewAction = action(ui_text::kMenuPrintPreview);
    m_printSetupAction = action(ui_text::kMenuPrinterSetup);
    m_exportPdfAction = action(ui_text::kMenuExportPdf);
    m_printCommands = new CSheetPrintCommands(m_app, this);
    const auto onSheet = [this](void (CSheetPrintCommands::*command)(CCharacterDocument&)) {
        return [this, command] {
            if (CChildFrame* child = CurrentChild())
                (m_printCommands->*command)(child->Document());
        };
    };
    connect(m_printAction, &QAction::triggered, this, onSheet(&CSheetPrintCommands::Print));
    connect(m_printPreviewAction, &QAction::triggered, this, onSheet(&CSheetPrintCommands::Preview));
    connect(m_printSetupAction, &QAction::triggered, m_printCommands, &CSheetPrintCommands::PageSetup);
    connect(m_exportPdfAction, &QAction::triggered, this, [this] {
        if (CChildFrame* child = CurrentChild())
            m_printCommands->ExportPdf(child->Document());
    });
    CreateShareCodeActions();
    m_recentPlaceholder = action(ui_text::kMenuRecentFile);
    m_recentPlaceholder->setEnabled(false);

    m_languageGroup = new QActionGroup(this);
    m_germanAction = action(ui_text::kMenuGerman);
    m_englishAction = action(ui_text::kMenuEnglish);
    for (QAction* language : {m_germanAction, m_englishAction}) {
        language->setCheckable(true);
        m_languageGroup->addAction(language);
    }
    connect(m_germanAction, &QAction::triggered, this, [this] { SwitchLanguage("de"); });
    connect(m_englishAction, &QAction::triggered, this, [this] { SwitchLanguage("en"); });

    m_toolBarAction = action(ui_text::kMenuToolBar);
    m_statusBarAction = action(ui_text::kMenuStatusBar);
    for (QAction* toggle : {m_toolBarAction, m_statusBarAction}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    connect(m_toolBarAction, &QAction::toggled, this, [this](bool on) { m_toolBar->setVisible(on); });
    connect(m_statusBarAction, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });

    m_newWindowAction = action(ui_text::kMenuNewWindow);
    connect(m_newWindowAction, &QAction::triggered, this, [this] {
        if (CChildFrame* child = CurrentChild())
            m_app.OpenWindow(child->Document());
    });
    m_cascadeAction = action(ui_text::kMenuCascade);
    connect(m_cascadeAction, &QAction::triggered, m_mdiArea, &QMdiArea::cascadeSubWindows);
    m_tileAction = action(ui_text::kMenuTile);
    connect(m_tileAction, &QAction::triggered, m_mdiArea, &QMdiArea::tileSubWindows);
    m_compareAction = action(ui_text::kMenuCompare);
    connect(m_compareAction, &QAction::triggered, this, [this] {
        if (!m_compareWindow)
            m_compareWindow = new CCompareWindow(m_app, this);
        m_compareWindow->show();
        m_compareWindow->raise();
    });
    m_arrangeAction = action(ui_text::kMenuArrangeIcons);
    connect(m_arrangeAction, &QAction::triggered, this, &CMainFrame::ArrangeIcons);

    m_aboutAction = action(ui_text::kMenuAbout);
    m_aboutAction->setMenuRole(QAction::AboutRole);
    connect(m_aboutAction, &QAction::triggered, this, &CMainFrame::ShowAbout);
}

void CMainFrame::CreateShareCodeActions()
{
    m_copyShareCodeAction = new QAction(m_app.Text(ui_text::kMenuCopyShareCode), this);
    connect(m_copyShareCodeAction, &QAction::triggered, this, [this] {
        CChildFrame* child = CurrentChild();
        const QString code = child ? m_app.ShareCodeOf(child->Document()) : QString();
        if (code.isEmpty())
            return;
        QApplication::clipboard()->setText(code);
        statusBar()->showMessage(m_app.Text(ui_text::kShareCodeCopied), kStatusMessageMilliseconds);
    });
    m_openShareCodeAction = new QAction(m_app.Text(ui_text::kMenuOpenShareCode), this);
    connect(m_openShareCodeAction, &QAction::triggered, this, [this] {
        const QString pasted = QApplication::clipboard()->text().trimmed();
        bool ok = false;
        const QString code =
            QInputDialog::getText(this, m_app.Text(ui_text::kApplicationTitle), m_app.Text(ui_text::kShareCodeLabel),
                                  QLineEdit::Normal, pasted.startsWith(QLatin1String("QM")) ? pasted : QString(), &ok);
        if (ok && !code.trimmed().isEmpty())
            m_app.OpenShareCode(code);
    });
    // Pasting a code anywhere a text field does not take it opens the character.
    m_pasteShareCodeAction = new QAction(this);
    m_pasteShareCodeAction->setShortcuts(QKeySequence::Paste);
    m_pasteShareCodeAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_pasteShareCodeAction, &QAction::triggered, this, [this] {
        const QString pasted = QApplication::clipboard()->text().trimmed();
        if (pasted.startsWith(QString::fromUtf8(share_code::kPrefix.data(), share_code::kPrefix.size())))
            m_app.OpenShareCode(pasted);
    });
    addAction(m_pasteShareCodeAction);
}

void CMainFrame::ApplyIcons()
{
    QStyle* look = style();
    m_newAction->setIcon(look->standardIcon(QStyle::SP_FileIcon));
    m_openAction->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
    m_saveAction->setIcon(look->standardIcon(QStyle::SP_DialogSaveButton));
    m_aboutAction->setIcon(look->standardIcon(QStyle::SP_MessageBoxInformation));
    m_editMenu->ApplyIcons(*look);
    m_printAction->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
}

void CMainFrame::FinishStartup()
{
    if (m_startupFinished)
        return;
    m_startupFinished = true;
    ApplyIcons();
    emit firstFramePainted();
}

bool CMainFrame::event(QEvent* event)
{
    // The window's own paint comes first in a frame; the zero timer runs
    // once the whole frame has been painted and flushed.
    if (event->type() == QEvent::Paint && !m_firstPaintSeen) {
        m_firstPaintSeen = true;
        QTimer::singleShot(0, this, &CMainFrame::FinishStartup);
    }
    return QMainWindow::event(event);
}

void CMainFrame::CreateMenus()
{
    m_fileMenu = new QMenu(m_app.Text(ui_text::kMenuFile), this);
    m_databaseMenu = new QMenu(m_app.Text(ui_text::kMenuDatabase), this);
    m_databaseMenu->addAction(m_germanAction);
    m_databaseMenu->addAction(m_englishAction);
    m_viewMenu = new QMenu(m_app.Text(ui_text::kMenuView), this);
    m_viewMenu->addAction(m_toolBarAction);
    m_viewMenu->addAction(m_statusBarAction);
    m_windowMenu = new QMenu(m_app.Text(ui_text::kMenuWindow), this);
    connect(m_windowMenu, &QMenu::aboutToShow, this, &CMainFrame::FillWindowMenu);
    m_helpMenu = new QMenu(m_app.Text(ui_text::kMenuHelp), this);
    m_helpMenu->addAction(m_aboutAction);
}

CChildFrame* CMainFrame::CurrentChild() const
{
    if (!m_mdiArea)
        return nullptr;
    return qobject_cast<CChildFrame*>(m_mdiArea->currentSubWindow());
}

CChildFrame* CMainFrame::AddChild(CCharacterDocument& document)
{
    auto* child = new CChildFrame(m_app, document);
    m_mdiArea->addSubWindow(child);
    connect(child, &CChildFrame::titleUpdated, this, &CMainFrame::UpdateTitle);
    connect(child, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::UpdateTitle);
    child->View()->OnInitialUpdate();
    if (!isVisible())
        FitTo(child);
    child->showMaximized();
    m_mdiArea->setActiveSubWindow(child);
    UpdateMenus();
    return child;
}

void CMainFrame::FitTo(CChildFrame* child)
{
    // Before the first show: large enough for the character window, within the screen.
    // A window never shown has not laid out its parts yet; the area's size
    // would be a widget's default and the window would grow by the whole view.
    layout()->activate();
    const QSize wanted = child->View()->sizeHint() + QSize(8, 8);
    const QSize area = m_mdiArea->size();
    QSize size = (this->size() + wanted.expandedTo(area) - area).expandedTo(this->size());
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableSize());
    resize(size);
}

void CMainFrame::ActivateChild(CChildFrame* child)
{
    if (child)
        m_mdiArea->setActiveSubWindow(child);
}

void CMainFrame::ActivateFirstChild()
{
    CChildFrame* child = CurrentChild();
    if (!child) {
        const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
        if (!windows.isEmpty())
            m_mdiArea->setActiveSubWindow(windows.front());
        return;
    }
    // Activating the window that is already current reports nothing, yet
    // the database's selection must point at its document.
    child->View()->OnActivate();
    // A child maximised while the menu bar was still hidden kept its own
    // title bar; maximised again it moves its buttons into the menu bar.
    if (isVisible() && child->isMaximized() && !ChildControlsInMenuBar()) {
        child->showNormal();
        child->showMaximized();
    }
    UpdateTitle();
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow* window)
{
    if (auto* child = qobject_cast<CChildFrame*>(window))
        child->View()->OnActivate();
    UpdateMenus();
}

void CMainFrame::UpdateMenus()
{
    if (!m_mdiArea)
        return;
    const bool hasDocument = !m_mdiArea->subWindowList().isEmpty();
    const bool rebuild = menuBar()->actions().isEmpty() || hasDocument != m_documentMenus;
    m_documentMenus = hasDocument;
    if (rebuild) {
        menuBar()->clear();
        menuBar()->addMenu(m_fileMenu);
        if (hasDocument)
            menuBar()->addMenu(m_editMenu->Menu());
        if (hasDocument)
            menuBar()->addMenu(m_databaseMenu);
        menuBar()->addMenu(m_viewMenu);
        if (hasDocument)
            menuBar()->addMenu(m_windowMenu);
        menuBar()->addMenu(m_helpMenu);
        FillFileMenu();
    }
    for (QAction* documentCommand :
         {m_closeAction, m_saveAction, m_saveAsAction, m_newWindowAction, m_cascadeAction, m_tileAction,
          m_arrangeAction, m_germanAction, m_englishAction, m_printAction, m_printPreviewAction,
          m_exportPdfAction})
        documentCommand->setEnabled(hasDocument);
    UpdateDatabaseChecks();
    FillWindowMenu();
    UpdateTitle();
    CChildFrame* current = CurrentChild();
    m_editMenu->SetDocument(current ? &current->Document() : nullptr);
}

void CMainFrame::FillFileMenu()
{
    m_fileMenu->clear();
    // Rebuilds can happen while Qt walks the widget tree (hiding windows), so
    // the old entries go later.
    for (QAction* old : std::as_const(m_recentActions))
        old->deleteLater();
    m_recentActions.clear();
    const QStringList recent = m_app.RecentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        auto* entry = new QAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(MenuLabel(QDir::toNativeSeparators(recent[i]))), this);
        connect(entry, &QAction::triggered, &m_app, [this, i] { m_app.OpenRecentFile(i); });
        m_recentActions << entry;
    }
    const auto addRecent = [this] {
        if (m_recentActions.isEmpty())
            m_fileMenu->addAction(m_recentPlaceholder);
        else
            m_fileMenu->addActions(m_recentActions);
    };

    m_fileMenu->addAction(m_newAction);
    if (!m_documentMenus) {
        m_openAction->setText(m_app.Text(ui_text::kMenuOpenNoDocument));
        m_preferencesAction->setText(m_app.Text(ui_text::kMenuPreferencesNoDocument));
        m_fileMenu->addAction(m_openAction);
        m_fileMenu->addAction(m_openShareCodeAction);
        m_fileMenu->addAction(m_preferencesAction);
        m_fileMenu->addSeparator();
        addRecent();
        m_fileMenu->addSeparator();
        m_fileMenu->addAction(m_closeAction);
        m_fileMenu->addAction(m_quitAction);
        return;
    }
    m_openAction->setText(m_app.Text(ui_text::kMenuOpen));
    m_preferencesAction->setText(m_app.Text(ui_text::kMenuPreferences));
    m_fileMenu->addAction(m_openAction);
    m_fileMenu->addAction(m_closeAction);
    m_fileMenu->addAction(m_saveAction);
    m_fileMenu->addAction(m_saveAsAction);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_openShareCodeAction);
    m_fileMenu->addAction(m_copyShareCodeAction);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_preferencesAction);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_printAction);
    m_fileMenu->addAction(m_printPreviewAction);
    m_fileMenu->addAction(m_printSetupAction);
    m_fileMenu->addAction(m_exportPdfAction);
    m_fileMenu->addSeparator();
    addRecent();
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_quitAction);
}

void CMainFrame::FillWindowMenu()
{
    m_windowMenu->clear();
    for (QAction* old : std::as_const(m_windowListActions))
        old->deleteLater();
    m_windowListActions.clear();
    m_windowMenu->addAction(m_newWindowAction);
    m_windowMenu->addAction(m_cascadeAction);
    m_windowMenu->addAction(m_tileAction);
    m_windowMenu->addAction(m_arrangeAction);
    m_windowMenu->addAction(m_compareAction);
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList();
    if (windows.isEmpty())
        return;
    m_windowMenu->addSeparator();
    QMdiSubWindow* current = m_mdiArea->currentSubWindow();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QString title = window->windowTitle();
        title.replace(QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
        auto* entry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(MenuLabel(title)), this);
        entry->setCheckable(true);
        entry->setChecked(window == current);
        connect(entry, &QAction::triggered, this, [this, window] { m_mdiArea->setActiveSubWindow(window); });
        m_windowListActions << entry;
        m_windowMenu->addAction(entry);
    }
}

void CMainFrame::UpdateDatabaseChecks()
{
    const std::string& folder = m_app.Database().Folder();
    m_germanAction->setChecked(folder == "de");
    m_englishAction->setChecked(folder == "en");
}

bool CMainFrame::ChildControlsInMenuBar() const
{
    // A maximised child puts its window buttons into the menu bar's corner
    // and its title into ours ("Quillmar - [Quillmar1]").
    return menuBar()->cornerWidget(Qt::TopRightCorner) != nullptr;
}

void CMainFrame::UpdateTitle()
{
    // A maximised child whose buttons sit in the menu bar writes its title
    // into ours itself, from the bare name; a child in a normal window needs
    // it written here.
    const QString application = m_app.Text(ui_text::kApplicationTitle);
    CChildFrame* child = CurrentChild();
    if (!child || child->isMaximized()) {
        if (!child || !ChildControlsInMenuBar())
            setWindowTitle(application);
        return;
    }
    setWindowTitle(application + QStringLiteral(" - ") + child->windowTitle());
    setWindowModified(child->isWindowModified());
}

void CMainFrame::SwitchLanguage(const char* folder)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_app.SwitchLanguage(folder);
    QApplication::restoreOverrideCursor();
    UpdateDatabaseChecks();
}

void CMainFrame::ArrangeIcons()
{
    // Minimised windows line up along the bottom edge, left to right.
    const QRect area = m_mdiArea->viewport()->rect();
    int x = 0;
    int y = area.bottom() + 1;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        window->move(x, y - size.height());
        x += size.width();
    }
}

void CMainFrame::SaveCurrent(bool askName)
{
    CChildFrame* child = CurrentChild();
    if (!child)
        return;
    if (askName)
        m_app.SaveDocumentAs(child->Document());
    else
        m_app.SaveDocument(child->Document());
}

void CMainFrame::CloseCurrent()
{
    if (CChildFrame* child = CurrentChild())
        m_app.CloseDocument(child->Document());
}

QString CMainFrame::VersionText(const QString& version)
{
    const QStringList parts = version.trimmed().split(QLatin1Char('.'));
    if (version.trimmed().isEmpty() || parts.size() > 4)
        return {};
    int numbers[4] = {0, 0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        const int number = parts[i].toInt(&ok);
        if (!ok || number < 0 || parts[i].startsWith(QLatin1Char('+')))
            return {};
        numbers[i] = number;
    }
    return QString::asprintf("%d.%d.%d.%d", numbers[0], numbers[1], numbers[2], numbers[3]);
}

void CMainFrame::ShowAbout()
{
    QString version = VersionText(QStringLiteral(QUILLMAR_VERSION));
    if (version.isEmpty())
        version = m_app.Text(ui_text::kVersionUnknown);
    m_app.Prompt().Show({m_app.Text(ui_text::kAboutCaption).toStdString(),
                         m_app.Text(ui_text::kAboutText).arg(version).toStdString(), PromptIcon::Information,
                         PromptButtons::Ok});
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_app.QueryExit()) {
        m_app.StoreMainWindowGeometry(saveGeometry());
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!CharacterFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QStringList files = CharacterFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    for (const QString& file : files)
        m_app.OpenDocument(file);
}
