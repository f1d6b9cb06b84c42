// The main window and its child windows: menu sets and labels in both
// languages, shortcuts, window titles, closing and quitting with unsaved
// changes, open and save failures, recent files, dropped files, about box.
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QUrl>
#include <QtTest>

#include "ShellTestSupport.h"
#include "shell/CChildFrame.h"
#include "shell/CMainFrame.h"
#include "shell/CQuillmarView.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"

using namespace shell_test;

Q_DECLARE_METATYPE(UiLanguage)

namespace {

QStringList Labels(const QList<QAction*>& actions)
{
    QStringList labels;
    for (const QAction* action : actions) {
        if (!action->isSeparator())
            labels << action->text();
    }
    return labels;
}

QMenu* MenuAt(CMainFrame* frame, int index)
{
    return frame->menuBar()->actions().at(index)->menu();
}

QAction* FindAction(QMenu* menu, const QString& label)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == label)
            return action;
    }
    return nullptr;
}

void DeletePendingWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class CMainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QuietUnsupportedPlatformWarnings();
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void menuLabels_data();
    void menuLabels();
    void shortcutsReachOneCommand();
    void databaseMenuChecksTheDataLanguage();
    void childTitlesShowNumbersAndTheModifiedMarker();
    void closingAsksWhenModified_data();
    void closingAsksWhenModified();
    void closeCommandClosesEveryWindowOfTheDocument();
    void quitAsksForEachModifiedDocument();
    void openFailureNamesTheReason_data();
    void openFailureNamesTheReason();
    void openingAnOpenFileActivatesItsWindow();
    void failedSaveKeepsTheDocumentModified();
    void recentFilesKeepFourAndSurviveARestart();
    void droppedCharacterFilesOpen();
    void versionText_data();
    void versionText();
    void aboutBoxShowsTheVersion();
    void mainWindowStaysWithinTheScreen();
    void mainWindowFitsItsCharacterWindow();
    void screenshots();
};

void CMainFrameTest::mainWindowStaysWithinTheScreen()
{
    // The offscreen screen is smaller than the window's preferred size, as a
    // small desktop at 200% would be: the window fits and the view scrolls.
    ShellFixture fixture;
    QVERIFY(fixture.Start(UiLanguage::English));
    CMainFrame* frame = fixture.App().MainFrame();
    const QSize available = frame->screen()->availableSize();
    QVERIFY2(frame->width() <= available.width() && frame->height() <= available.height(),
             qPrintable(QStringLiteral("%1x%2 on %3x%4")
                            .arg(frame->width())
                            .arg(frame->height())
                            .arg(available.width())
                            .arg(available.height())));
}

void CMainFrameTest::mainWindowFitsItsCharacterWindow()
{
    // On a screen with room to spare (ui_CMainFrameTest_large_screen), the
    // window holds the whole view and grows no further than the view needs.
    ShellFixture fixture;
    QVERIFY(fixture.Start(UiLanguage::English));
    CMainFrame* frame = fixture.App().MainFrame();
    const QSize available = frame->screen()->availableSize();
    if (available.width() < 1600 || available.height() < 1200)
        QSKIP("needs a screen of at least 1600x1200");
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    const QSize wanted = frame->CurrentChild()->View()->sizeHint();
    const QSize area = frame->MdiArea()->size();
    const QSize chrome = frame->size() - area;
    const QSize largest = (wanted + QSize(8, 8) + chrome).expandedTo(QSize(1024, 720));
    const QString sizes = QStringLiteral("window %1x%2, area %3x%4, view %5x%6")
                              .arg(frame->width())
                              .arg(frame->height())
                              .arg(area.width())
                              .arg(area.height())
                              .arg(wanted.width())
                              .arg(wanted.height());
    QVERIFY2(area.width() >= wanted.width() && area.height() >= wanted.height(), qPrintable(sizes));
    QVERIFY2(frame->width() <= largest.width() && frame->height() <= largest.height(), qPrintable(sizes));
}

void CMainFrameTest::menuLabels_data()
{
    QTest::addColumn<UiLanguage>("language");
    QTest::addColumn<bool>("withDocument");
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<QStringList>("file");
    QTest::addColumn<QStringList>("others");  // the items of every menu after File, joined with '|'

    QTest::newRow("de, no document") << UiLanguage::German << false
                                     << QStringList{"&Datei", "&Ansicht", "&Hilfe"}
                                     << QStringList{"&Neu",         "Ö&ffnen...", "&Einstellungen...",
                                                    "Letzte Datei", "&Schließen", "&Beenden"}
                                     << QStringList{"&Symbolleiste|Status&leiste", "&Info über Quillmar..."};
    QTest::newRow("en, no document") << UiLanguage::English << false << QStringList{"&File", "&View", "&Help"}
                                     << QStringList{"&New",        "O&pen...", "&Preferences...",
                                                    "Recent File", "&Close",   "&Quit"}
                                     << QStringList{"&Symbolbar|Status&bar", "&About Quillmar..."};
    QTest::newRow("de, document")
        << UiLanguage::German << true << QStringList{"&Datei", "Datenbank", "&Ansicht", "&Fenster", "&Hilfe"}
        << QStringList{"&Neu",
                       "Ö&ffnen...",
                       "&Schließen",
                       "&Speichern",
                       "Speichern &unter...",
                       "Einstellungen...",
                       "&Drucken",
                       "Druckvoransicht",
                       "Drucker einrichten...",
                       "Letzte Datei",
                       "&Beenden"}
        << QStringList{"Deutsch|English", "&Symbolleiste|Status&leiste",
                       "&Neues Fenster|Ü&berlappend|&Nebeneinander|&Symbole anordnen|&1 Quillmar1",
                       "&Info über Quillmar..."};
    QTest::newRow("en, document") << UiLanguage::English << true
                                  << QStringList{"&File", "Database", "&View", "Window", "&Help"}
                                  << QStringList{"&New",        "&Open...",      "&Close",
                                                 "&Save",       "Save &as...",   "Preferences...",
                                                 "&Print",      "Print preview", "Printer setup...",
                                                 "Recent File", "&Quit"}
                                  << QStringList{"German|English", "&Symbolbar|Status&bar",
                                                 "&New Fenster|O&verlap|&Tiled|&Symbole order|&1 Quillmar1",
                                                 "&About Quillmar..."};
}

void CMainFrameTest::menuLabels()
{
    QFETCH(UiLanguage, language);
    QFETCH(bool, withDocument);
    QFETCH(QStringList, menus);
    QFETCH(QStringList, file);
    QFETCH(QStringList, others);

    ShellFixture fixture;
    QVERIFY(fixture.Start(language));
    if (!withDocument) {
        QVERIFY(fixture.App().CloseDocument(*fixture.App().Document(0)));
        QCOMPARE(fixture.App().DocumentCount(), 0);
    }
    CMainFrame* frame = fixture.App().MainFrame();
    QCOMPARE(frame->HasDocumentMenus(), withDocument);
    QCOMPARE(Labels(frame->menuBar()->actions()), menus);
    QCOMPARE(Labels(MenuAt(frame, 0)->actions()), file);
    QStringList shown;
    for (int i = 1; i < menus.size(); ++i)
        shown << Labels(MenuAt(frame, i)->actions()).join(QLatin1Char('|'));
    QCOMPARE(shown, others);

    // Greyed out: the empty recent list, Close without a document, and the
    // printing commands until printing takes them over.
    QStringList disabled;
    for (QAction* action : MenuAt(frame, 0)->actions()) {
        if (!action->isSeparator() && !action->isEnabled())
            disabled << action->text();
    }
    const QStringList expectedDisabled =
        withDocument ? QStringList{file[6], file[7], file[8], file[9]} : QStringList{file[3], file[4]};
    QCOMPARE(disabled, expectedDisabled);
}

void CMainFrameTest::shortcutsReachOneCommand()
{
    ShellFixture fixture;
    QVERIFY(fixture.Start());
    int asked = 0;
    fixture.App().SetFileChooser([&](CQuillmarApp::FileDialog kind, const QString&) {
        asked += kind == CQuillmarApp::FileDialog::Open ? 1 : 100;
        return QString();
    });
    CMainFrame* frame = fixture.App().MainFrame();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));

    QMenu* fileMenu = MenuAt(frame, 0);
    QCOMPARE(FindAction(fileMenu, "&New")->shortcut(), QKeySequence(QKeySequence::New));
    QCOMPARE(FindAction(fileMenu, "&Open...")->shortcut(), QKeySequence(QKeySequence::Open));
    QCOMPARE(FindAction(fileMenu, "&Save")->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(FindAction(fileMenu, "&Print")->shortcut(), QKeySequence(QKeySequence::Print));

    QTest::keyClick(frame, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(asked, 1);
    QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(fixture.App().DocumentCount(), 2);
    QCOMPARE(fixture.App().Document(1)->Title(), QStringLiteral("Quillmar2"));

    // Without a document the same keys still reach New and Open once.
    while (fixture.App().DocumentCount() > 0)
        QVERIFY(fixture.App().CloseDocument(*fixture.App().Document(0)));
    QVERIFY(!frame->HasDocumentMenus());
    QTest::keyClick(frame, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(asked, 2);
    QTest::keyClick(frame, Qt::Key_S, Qt::ControlModifier);  // nothing to save
    QCOMPARE(asked, 2);
    QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(fixture.App().DocumentCount(), 1);
    QCOMPARE(fixture.App().Document(0)->Title(), QStringLiteral("Quillmar3"));
}

void CMainFrameTest::databaseMenuChecksTheDataLanguage()
{
    ShellFixture fixture;
    QVERIFY(fixture.Start());
    CMainFrame* frame = fixture.App().MainFrame();
    QMenu* database = MenuAt(frame, 1);
    QAction* german = database->actions().at(0);
    QAction* english = database->actions().at(1);
    QVERIFY(german->isChecked());
    QVERIFY(!english->isChecked());

    english->trigger();
    QCOMPARE(fixture.App().Database().Folder(), std::string("en"));
    QVERIFY(english->isChecked());
    QVERIFY(!german->isChecked());

    // A switch that fails leaves the old language checked.
    fixture.App().SetTemporaryFileFunctions(
        [](const CQuillmarDoc&, const std::string&) {
            return CharacterSaveResult{false, "disk full"};
        },
        nullptr);
    german->trigger();
    QCOMPARE(fixture.App().Database().Folder(), std::string("en"));
    QVERIFY(english->isChecked());
    QVERIFY(!german->isChecked());
}

void CMainFrameTest::childTitlesShowNumbersAndTheModifiedMarker()
{
    ShellFixture fixture;
    QVERIFY(fixture.Start());
    CQuillmarApp& app = fixture.App();
    CCharacterDocument* document = app.Document(0);
    CChildFrame* first = document->Frames().front();
    QCOMPARE(first->windowTitle(), QStringLiteral("Quillmar1[*]"));
    QVERIFY(!first->isWindowModified());
    QVERIFY(first->isMaximized());

    document->Doc().SetLevel(12);
    QVERIFY(first->isWindowModified());

    CChildFrame* second = app.OpenWindow(*document);
    QVERIFY(second);
    QCOMPARE(first->windowTitle(), QStringLiteral("Quillmar1:1[*]"));
    QCOMPARE(second->windowTitle(), QStringLiteral("Quillmar1:2[*]"));
    QVERIFY(second->isWindowModified());
    QCOMPARE(app.MainFrame()->CurrentChild(), second);

    // A second window closes without a question; the document stays.
    QVERIFY(second->close());
    DeletePendingWindows();
    QCOMPARE(app.DocumentCount(), 1);
    QCOMPARE(first->windowTitle(), QStringLiteral("Quillmar1[*]"));
    QVERIFY(fixture.prompt.messages.empty());

    const QString path = fixture.FilePath(QStringLiteral("named.chr"));
    QVERIFY(app.SaveDocumentTo(*document, path));
    QCOMPARE(first->windowTitle(), QStringLiteral("named.chr[*]"));
    QVERIFY(!first->isWindowModified());

    QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("Quillmar - [named.chr[*]]"));
    document->Doc().SetLevel(13);
    QVERIFY(app.MainFrame()->isWindowModified());

    // A window that is not maximised puts the title into the main window itself.
    first->showNormal();
    app.MainFrame()->MdiArea()->setActiveSubWindow(nullptr);
    app.MainFrame()->MdiArea()->setActiveSubWindow(first);
    QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("Quillmar - named.chr[*]"));
    QVERIFY(app.MainFrame()->isWindowModified());
    first->showMaximized();
    QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("Quillmar - [named.chr[*]]"));
}

void CMainFrameTest::closingAsksWhenModified_data()
{
    QTest::addColumn<int>("saveModified");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("hasFile");
    QTest::addColumn<int>("answer");  // PromptAnswer, -1: no question expected
    QTest::addColumn<bool>("chooseName");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");

    const int yes = int(PromptAnswer::Yes), no = int(PromptAnswer::No), cancel = int(PromptAnswer::Cancel);
    QTest::newRow("unmodified") << 1 << false << false << -1 << false << true << false;
    QTest::newRow("Yes saves to its file") << 1 << true << true << yes << false << true << true;
    QTest::newRow("Yes on a new one asks a name") << 1 << true << false << yes << true << true << true;
    QTest::newRow("Yes, name dialog cancelled") << 1 << true << false << yes << false << false << false;
    QTest::newRow("No drops the changes") << 1 << true << true << no << false << true << false;
    QTest::newRow("Cancel keeps it open") << 1 << true << true << cancel << false << false << false;
    QTest::newRow("SAVE_MODIFIED 0 asks nothing") << 0 << true << true << -1 << false << true << false;
}

void CMainFrameTest::closingAsksWhenModified()
{
    QFETCH(int, saveModified);
    QFETCH(bool, modified);
    QFETCH(bool, hasFile);
    QFETCH(int, answer);
    QFETCH(bool, chooseName);
    QFETCH(bool, closed);
    QFETCH(bool, written);

    ShellFixture fixture;
    QVERIFY(fixture.Start());
    CQuillmarApp& app = fixture.App();
    app.Settings().Set(setting::SAVE_MODIFIED, saveModified);
    const QString chosen = fixture.FilePath(QStringLiteral("chosen.chr"));
    app.SetFileChooser(
        [&](CQuillmarApp::FileDialog, const QString&) { return chooseName ? chosen : QString(); });
    CCharacterDocument* document = app.Document(0);
    const QString own = fixture.FilePath(QStringLiteral("own.chr"));
    if (hasFile)
        QVERIFY(app.SaveDocumentTo(*document, own));
    if (modified)
        document->Doc().SetLevel(33);
    if (answer >= 0)
        fixture.prompt.answers.push_back(PromptAnswer(answer));

    CChildFrame* child = document->Frames().front();
    QCOMPARE(child->close(), closed);
    DeletePendingWindows();

    QCOMPARE(fixture.prompt.messages.size(), std::size_t(answer >= 0 ? 1 : 0));
    if (answer >= 0) {
        const PromptMessage& question = fixture.prompt.messages.front();
        QCOMPARE(question.buttons, PromptButtons::YesNoCancel);
        QCOMPARE(question.text, std::string("Save changes to ") + (hasFile ? "own.chr" : "Quillmar1") + "?");
    }
    QCOMPARE(app.DocumentCount(), closed ? 0 : 1);
    if (!closed)
        QVERIFY(document->IsModified());
    const QString target = hasFile ? own : chosen;
    bool wasWritten = false;
    if (QFileInfo::exists(target)) {
        CQuillmarDoc reread(app.Database(), app.Settings());
        QVERIFY(LoadCharacterFile(reread, Local(target), nullptr, UiLanguage::English).Ok());
        wasWritten = reread.GetLevel() == 33.0f;
    }
    QCOMPARE(wasWritten, written);
    QVERIFY(fixture.prompt.unexpectedQuestions.empty());
}

void CMainFrameTest::closeCommandClosesEveryWindowOfTheDocument()
{
    ShellFixture fixture;
    QVERIFY(fixture.Start());
    CQuillmarApp& app = fixture.App();
    CCharacterDocument* first = app.Document(0);
    app.OpenWindow(*first);
    CCharacterDocument* second = app.NewDocument();
    first->Doc().SetLevel(20);
    app.MainFrame()->ActivateChild(first->Frames().front());

    fixture.prompt.answers = {PromptAnswer::No};
    QAction* close = FindAction(MenuAt(app.MainFrame(), 0), QStringLiteral("&Close"));
    close->trigger();
    QCOMPARE(fixture.prompt.messages.size(), std::size_t(1));  // one question for both windows
    QCOMPARE(app.DocumentCount(), 1);
    QCOMPARE(app.Document(0), second);
    QCOMPARE(app.MainFrame()->MdiArea()->subWindowList().size(), 1);
}

void CMainFrameTest::quitAsksForEachModifiedDocument()
{
    ShellFixture fixture;
    QVERIFY(fixture.Start());
    CQuillmarApp& app = fixture.App();
    app.NewDocument()->Doc().SetLevel(10);  // Quillmar2
    app.NewDocument();                      // Quillmar3, unchanged
    app.NewDocument()->Doc().SetLevel(11);  // Quillmar4
    app.Document(0)->Doc().SetLevel(9);     // Quillmar1

    fixture.prompt.answers = {PromptAnswer::No, PromptAnswer::Cancel};
    QVERIFY(!app.MainFrame()->close());
    QCOMPARE(fixture.prompt.Texts(),
             (QStringList{"Save changes to Quillmar1?", "Save changes to Quillmar2?"}));
    QCOMPARE(app.DocumentCount(), 4);
    QVERIFY(app.MainFrame()->isVisible());
    QVERIFY(!QFile::exists(fixture.SettingsPath()));  // a cancelled quit writes nothing

    fixture.prompt.messages.clear();
    fixture.prompt.answers = {PromptAnswer::No, PromptAnswer::No, PromptAnswer::No};
    QVERIFY(app.MainFrame()->close());
    QCOMPARE(fixture.prompt.Texts(), (QStringList{"Save changes to Quillmar1?", "Save changes to Quillmar2?",
                                                  "Save changes to Quillmar4?"}));
    QVERIFY(QFile::exists(fixture.SettingsPath()));
    QVERIFY(fixture.prompt.unexpectedQuestions.empty());
}

void CMainFrameTest::openFailureNamesTheReason_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << false << QByteArray() << "cannot open";
    QTest::newRow("wrong magic") << true << QByteArray("RAHC\x00\x60\x00\x02\x00\x00\x00\x00", 12)
                                 << "not a character file";
    QTest::newRow("empty file") << true << QByteArray() << "";
}

void CMainFrameTest::openFailureNamesTheReason()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    ShellFixture fixture;
    QVERIFY(fixture.Start());
    const QString path = fixture.FilePath(QStringLiteral("bad.chr"));
    if (exists)
        WriteBytes(path, content);
    fixture.App().SetFileChooser([&](CQuillmarApp::FileDialog, const QString&) { return path; });

    QCOMPARE(fixture.App().OpenDocumentAsked(), nullptr);
    QCOMPARE(fixture.App().DocumentCount(), 1);
    QCOMPARE(fixture.prompt.messages.size(), std::size_t(1));
    QCOMPARE(fixture.prompt.messages.front().caption, std::string("Error"));
    const QString text = fixture.prompt.Texts().front();
    QVERIFY2(text.contains(QStringLiteral("bad.chr")) && text.contains(reason), qPrintable(text));
    QVERIFY(fixture.App().RecentFiles().isEmpty());
}

void CMainFrameTest::openingAnOpenFileActivatesItsWindow()
{
    ShellFixture fixture;
    QVERIFY(fixture.Start());
    CQuillmarApp& app = fixture.App();
    const QString path = fixture.FilePath(QStringLiteral("twice.chr"));
    QVERIFY(app.SaveDocumentTo(*app.Document(0), path));
    app.NewDocument();
    QCOMPARE(app.OpenDocument(path), app.Document(0));
    QCOMPARE(app.DocumentCount(), 2);
    QCOMPARE(app.MainFrame()->CurrentChild(), app.Document(0)->Frames().front());
}

void CMainFrameTest::failedSaveKeepsTheDocumentModified()
{
    ShellFixture fixture;
    QVERIFY(fixture.Start());
    CQuillmarApp& app = fixture.App();
    CCharacterDocument* document = app.Document(0);
    document->Doc().SetLevel(15);
    const QString unreachable = fixture.FilePath(QStringLiteral("no-such-folder/x.chr"));
    QVERIFY(!app.SaveDocumentTo(*document, unreachable));
    QVERIFY(document->IsModified());
    QVERIFY(!document->Doc().IsBoundToFile());
    QVERIFY(document->Path().isEmpty());
    QCOMPARE(document->Title(), QStringLiteral("Quillmar1"));
    QCOMPARE(fixture.prompt.messages.size(), std::size_t(1));
    QCOMPARE(fixture.prompt.messages.front().caption, std::string("Error"));
    QVERIFY(fixture.prompt.Texts().front().contains(QStringLiteral("x.chr")));

    // Save as appends the extension to a name typed without one.
    app.SetFileChooser([&](CQuillmarApp::FileDialog kind, const QString& suggestion) {
        return kind == CQuillmarApp::FileDialog::SaveAs && suggestion == QStringLiteral("Quillmar1.chr")
                   ? fixture.FilePath(QStringLiteral("typed"))
                   : QString();
    });
    QVERIFY(app.SaveDocument(*document));
    QCOMPARE(document->Path(), fixture.FilePath(QStringLiteral("typed.chr")));
    QVERIFY(!document->IsModified());
}

void CMainFrameTest::recentFilesKeepFourAndSurviveARestart()
{
    ShellFixture fixture;
    QVERIFY(fixture.Start());
    QStringList saved;
    for (int i = 1; i <= 5; ++i)
        saved.prepend(fixture.SavedCharacter(QStringLiteral("c%1.chr").arg(i), 10 + i));
    const QStringList expected = saved.mid(0, 4);
    QCOMPARE(fixture.App().RecentFiles(), expected);
    QMenu* fileMenu = MenuAt(fixture.App().MainFrame(), 0);
    QVERIFY(FindAction(fileMenu, QStringLiteral("&1 ") + expected[0]));
    QVERIFY(FindAction(fileMenu, QStringLiteral("&4 ") + expected[3]));
    QVERIFY(!FindAction(fileMenu, QStringLiteral("Letzte Datei")) &&
            !FindAction(fileMenu, QStringLiteral("Recent File")));
    QVERIFY(fixture.App().MainFrame()->close());

    fixture.Restart();
    QVERIFY(fixture.Start());
    QCOMPARE(fixture.App().RecentFiles(), expected);
    // Opening from the list puts the file first; one that no longer opens leaves the list.
    fixture.App().OpenRecentFile(2);
    QCOMPARE(fixture.App().Document(1)->Path(), expected[2]);
    QCOMPARE(fixture.App().RecentFiles().front(), expected[2]);
    QVERIFY(QFile::remove(expected[0]));
    fixture.App().OpenRecentFile(fixture.App().RecentFiles().indexOf(expected[0]));
    QCOMPARE(fixture.App().RecentFiles().size(), 3);
    QVERIFY(!fixture.App().RecentFiles().contains(expected[0]));
    QCOMPARE(fixture.prompt.messages.size(), std::size_t(1));
}

void CMainFrameTest::droppedCharacterFilesOpen()
{
    ShellFixture fixture;
    QVERIFY(fixture.Start());
    const QString path = fixture.SavedCharacter(QStringLiteral("dropped.CHR"), 31);
    const QString text = fixture.FilePath(QStringLiteral("notes.txt"));
    WriteBytes(text, "x");
    CMainFrame* frame = fixture.App().MainFrame();

    const auto dragEnter = [&](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.ignore();
        QApplication::sendEvent(frame, &enter);
        return enter.isAccepted();
    };
    QVERIFY(!dragEnter({QUrl::fromLocalFile(text)}));
    QVERIFY(!dragEnter({QUrl(QStringLiteral("https://example.org/a.chr"))}));
    QVERIFY(dragEnter({QUrl::fromLocalFile(text), QUrl::fromLocalFile(path)}));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(text), QUrl::fromLocalFile(path)});
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(fixture.App().DocumentCount(), 2);
    QCOMPARE(fixture.App().Document(1)->Path(), path);
    QCOMPARE(fixture.App().Document(1)->Doc().GetLevel(), 31.0f);
    QVERIFY(fixture.prompt.messages.empty());
}

void CMainFrameTest::versionText_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("shown");
    QTest::newRow("three parts") << "0.1.0"
                                 << "0.1.0.0";
    QTest::newRow("four parts") << "2.6.17.4021"
                                << "2.6.17.4021";
    QTest::newRow("one part") << "3"
                              << "3.0.0.0";
    QTest::newRow("blank around") << " 1.2 "
                                  << "1.2.0.0";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("five parts") << "1.2.3.4.5"
                                << "";
    QTest::newRow("letters") << "1.2-beta"
                             << "";
    QTest::newRow("negative") << "1.-2"
                              << "";
    QTest::newRow("missing part") << "1..2"
                                  << "";
}

void CMainFrameTest::versionText()
{
    QFETCH(QString, version);
    QFETCH(QString, shown);
    QCOMPARE(CMainFrame::VersionText(version), shown);
}

void CMainFrameTest::aboutBoxShowsTheVersion()
{
    ShellFixture fixture;
    QVERIFY(fixture.Start(UiLanguage::German));
    QMenu* help = MenuAt(fixture.App().MainFrame(), 4);
    help->actions().front()->trigger();
    QCOMPARE(fixture.prompt.messages.size(), std::size_t(1));
    QCOMPARE(fixture.prompt.messages.front().caption, std::string("Info über Quillmar"));
    QCOMPARE(fixture.prompt.Texts().front(), QStringLiteral("Quillmar\nVersion ") +
                                                 CMainFrame::VersionText(QStringLiteral(QUILLMAR_VERSION)));
    QVERIFY(!CMainFrame::VersionText(QStringLiteral(QUILLMAR_VERSION)).isEmpty());
}

// Pictures of the main window for a person to look at (QUILLMAR_SCREENSHOT_DIR).
void CMainFrameTest::screenshots()
{
    if (ScreenshotDir().isEmpty())
        QSKIP("QUILLMAR_SCREENSHOT_DIR is not set");
    ShellFixture fixture;
    QVERIFY(fixture.Start(UiLanguage::German));
    CMainFrame* frame = fixture.App().MainFrame();
    fixture.App().Document(0)->Doc().SetLevel(20);
    QVERIFY(SaveScreenshot(frame->grab().toImage(), QStringLiteral("mainframe-document")));
    fixture.App().NewDocument();
    frame->MdiArea()->tileSubWindows();
    QVERIFY(SaveScreenshot(frame->grab().toImage(), QStringLiteral("mainframe-tiled")));
    MenuAt(frame, 0)->popup(QPoint(0, 0));
    QVERIFY(SaveScreenshot(MenuAt(frame, 0)->grab().toImage(), QStringLiteral("mainframe-file-menu")));
    MenuAt(frame, 0)->hide();
    fixture.App().Settings().Set(setting::SAVE_MODIFIED, 0);
    while (fixture.App().DocumentCount() > 0)
        fixture.App().CloseDocument(*fixture.App().Document(0));
    QVERIFY(SaveScreenshot(frame->grab().toImage(), QStringLiteral("mainframe-empty")));
}

QTEST_MAIN(CMainFrameTest)
#include "CMainFrameTest.moc"
