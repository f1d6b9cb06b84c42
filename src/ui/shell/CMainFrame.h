// The main window: the menus (one set while no character is open, a fuller one
// with a character), tool bar, status bar and the area that holds one child
// window per document window. Commands go to the application.
#pragma once

#include <QMainWindow>
#include <QPointer>

class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class CCharacterDocument;
class CChildFrame;
class CEditMenu;
class CCompareWindow;
class CQuillmarApp;
class CSheetPrintCommands;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CQuillmarApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QMdiArea* MdiArea() const { return m_mdiArea; }
    // The window commands act on: the active child, which stays current
    // while the whole program is in the background.
    CChildFrame* CurrentChild() const;
    // A new maximised window with a view of the document.
    CChildFrame* AddChild(CCharacterDocument& document);
    void ActivateChild(CChildFrame* child);
    void ActivateFirstChild();
    bool HasDocumentMenus() const { return m_documentMenus; }
    // True once the work left for after the first painted frame has been done.
    bool StartupFinished() const { return m_startupFinished; }

    // The character sheet: print, preview, page set-up, PDF export.
    QAction* PrintAction() const { return m_printAction; }
    QAction* PrintPreviewAction() const { return m_printPreviewAction; }
    QAction* PrinterSetupAction() const { return m_printSetupAction; }
    QAction* ExportPdfAction() const { return m_exportPdfAction; }
    CSheetPrintCommands* PrintCommands() const { return m_printCommands; }

    // "major.minor.build.revision" of a dotted version (missing parts are 0);
    // empty when the text is no version.
    static QString VersionText(const QString& version);
    void ShowAbout();

signals:
    // Once, just after the first frame of the window has been painted: the
    // place for start-up work that nothing on the first screen needs.
    void firstFramePainted();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void CreateActions();
    void CreateShareCodeActions();
    // The icon theme lookups cost more than the rest of the window; the tool
    // bar gets its icons after the first frame.
    void ApplyIcons();
    void FinishStartup();
    void CreateMenus();
    void UpdateMenus();
    void FillFileMenu();
    void FillWindowMenu();
    void UpdateDatabaseChecks();
    void UpdateTitle();
    bool ChildControlsInMenuBar() const;
    void OnSubWindowActivated(QMdiSubWindow* window);
    void SwitchLanguage(const char* folder);
    void ArrangeIcons();
    void FitTo(CChildFrame* child);
    void SaveCurrent(bool askName);
    void CloseCurrent();

    CQuillmarApp& m_app;
    QMdiArea* m_mdiArea = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_statusMessage = nullptr;
    bool m_documentMenus = false;
    bool m_firstPaintSeen = false;
    bool m_startupFinished = false;

    QMenu* m_fileMenu = nullptr;
    QMenu* m_databaseMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    // Undo and redo of the current document.
    CEditMenu* m_editMenu = nullptr;

    QAction* m_newAction = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_preferencesAction = nullptr;
    QAction* m_closeAction = nullptr;
    QAction* m_quitAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    QAction* m_printAction = nullptr;
    QAction* m_printPreviewAction = nullptr;
    QAction* m_printSetupAction = nullptr;
    QAction* m_exportPdfAction = nullptr;
    CSheetPrintCommands* m_printCommands = nullptr;
    QAction* m_recentPlaceholder = nullptr;
    QAction* m_copyShareCodeAction = nullptr;
    QAction* m_openShareCodeAction = nullptr;
    QAction* m_pasteShareCodeAction = nullptr;
    QAction* m_compareAction = nullptr;
    QPointer<CCompareWindow> m_compareWindow;
    QList<QAction*> m_recentActions;
    QActionGroup* m_languageGroup = nullptr;
    QAction* m_germanAction = nullptr;
    QAction* m_englishAction = nullptr;
    QAction* m_toolBarAction = nullptr;
    QAction* m_statusBarAction = nullptr;
    QAction* m_newWindowAction = nullptr;
    QAction* m_cascadeAction = nullptr;
    QAction* m_tileAction = nullptr;
    QAction* m_arrangeAction = nullptr;
    QList<QAction*> m_windowListActions;
    QAction* m_aboutAction = nullptr;
};
