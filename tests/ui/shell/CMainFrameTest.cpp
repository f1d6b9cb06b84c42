// The main window against the shipped data: opening and saving through the
// menus, the question on closing, a failed save, the data-language switch,
// the preferences dialog, the work held back until the first frame, and the
// window's first size.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>

#include "document/CAppSettings.h"
#include "document/CharacterFile.h"
#include "shell/CCharacterDocument.h"
#include "shell/CChildFrame.h"
#include "shell/CCompareWindow.h"
#include "shell/CHeaderSpinField.h"
#include "shell/CMainFrame.h"
#include "shell/COptionDialog.h"
#include "shell/CQuillmarView.h"
#include "shell/CViewHeader.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"
#include "ui/support/ShellFixture.h"
#include "ui/support/UiTestSupport.h"

namespace {

// The file image of a document: its content in numbers, whatever the data language.
std::string FileBytes(const CQuillmarDoc& doc)
{
    std::string bytes;
    return CharacterFileBytes(doc, bytes, UiLanguage::English).ok ? bytes : std::string();
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMenu* MenuAt(CMainFrame* frame, int index)
{
    return frame->menuBar()->actions().at(index)->menu();
}

QAction* FindAction(QMenu* menu, const QString& label)
{
    for (QAction* action : menu->actions())
        if (action->text() == label)
            return action;
    return nullptr;
}

CViewHeader* HeaderOf(CCharacterDocument* document)
{
    return document->Frames().front()->View()->Header();
}

// Rows for a test in both interface languages.
void Languages()
{
    QTest::addColumn<bool>("german");
    QTest::newRow("English") << false;
    QTest::newRow("German") << true;
}

}  // namespace

class CMainFrameTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QuietUnsupportedPlatformWarnings(); }

    void mainWindowComesBackAtItsLastSize()
    {
        ShellFixture first;
        QVERIFY(first.Start());
        first.App().MainFrame()->resize(731, 523);
        QVERIFY(first.App().MainFrame()->close());
        ShellFixture second;
        CStartupOptions options = second.Options();
        options.recentFilesStore = first.Options().recentFilesStore;
        QVERIFY(second.Start(options));
        QCOMPARE(second.App().MainFrame()->size(), QSize(731, 523));
    }

    void menusHaveAcceleratorsAndQtSpeaksTheInterfaceLanguage_data() { Languages(); }

    // Every menu entry can be reached from the keyboard, and Qt's own texts (the
    // key names of shortcuts) follow the interface language.
    void menusHaveAcceleratorsAndQtSpeaksTheInterfaceLanguage()
    {
        QFETCH(bool, german);
        ShellFixture fixture;
        QVERIFY(fixture.Start(german ? UiLanguage::German : UiLanguage::English));
        CMainFrame* frame = fixture.App().MainFrame();
        QStringList missing;
        for (QAction* entry : frame->menuBar()->actions()) {
            QMenu* menu = entry->menu();
            if (!entry->text().contains(QLatin1Char('&')))
                missing << entry->text();
            emit menu->aboutToShow();
            for (QAction* action : menu->actions())
                if (!action->isSeparator() && action->isEnabled() && !action->text().contains(QLatin1Char('&')))
                    missing << action->text();
        }
        QCOMPARE(missing.join(" / "), QString());
        QCOMPARE(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText),
                 german ? QStringLiteral("Strg+S") : QStringLiteral("Ctrl+S"));
        QFileDialog chooser(frame);
        chooser.setOption(QFileDialog::DontUseNativeDialog);
        chooser.show();
        QStringList buttons;
        for (const QPushButton* button : chooser.findChildren<QPushButton*>())
            buttons << button->text();
        QVERIFY2(buttons.contains(german ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel")), qPrintable(buttons.join(",")));
        SaveScreenshot(chooser.grab().toImage(), german ? QStringLiteral("FileDialog_de") : QStringLiteral("FileDialog_en"));
        chooser.hide();
        QMenu* file = MenuAt(frame, 0);
        file->popup(QPoint(0, 0));
        SaveScreenshot(file->grab().toImage(), german ? QStringLiteral("FileMenu_de") : QStringLiteral("FileMenu_en"));
        file->hide();
    }

    // Window > Compare... shows two open characters; a change of either marks
    // its row at the next look, with the signed delta.
    void comparisonFollowsEitherCharacter_data() { Languages(); }

    void comparisonFollowsEitherCharacter()
    {
        QFETCH(bool, german);
        ShellFixture fixture;
        QVERIFY(fixture.Start(german ? UiLanguage::German : UiLanguage::English));
        CQuillmarApp& app = fixture.App();
        app.NewDocument();
        CMainFrame* frame = app.MainFrame();
        QMenu* windows = MenuAt(frame, 4);
        emit windows->aboutToShow();
        FindAction(windows, german ? QStringLiteral("&Vergleichen...") : QStringLiteral("C&ompare..."))->trigger();
        auto* compare = frame->findChild<CCompareWindow*>();
        QVERIFY(compare && compare->isVisible());
        auto* table = compare->findChild<QTreeWidget*>(QStringLiteral("comparison"));
        const auto marked = [table] {
            QStringList rows;
            for (int i = 0; i < table->topLevelItemCount(); ++i)
                if (table->topLevelItem(i)->data(0, Qt::UserRole).toBool())
                    rows << table->topLevelItem(i)->text(0) + " " + table->topLevelItem(i)->text(3);
            return rows;
        };
        QVERIFY(table->topLevelItemCount() > 10);
        QCOMPARE(marked(), QStringList());
        app.Document(1)->Doc().SetMasterLevel(3);
        const QString masterLevel = german ? QStringLiteral("Master-Level") : QStringLiteral("Master level");
        QCOMPARE(marked(), QStringList{masterLevel + " +3"});
        app.Document(0)->Doc().SetMasterLevel(5);
        QCOMPARE(marked(), QStringList{masterLevel + " -2"});
        SaveScreenshot(compare->grab().toImage(), german ? QStringLiteral("CCompareWindow_de") : QStringLiteral("CCompareWindow_en"));
    }

    // Copy puts the code on the clipboard; pasting it opens the same character as
    // a new, unsaved document; a damaged code is explained and opens nothing.
    void shareCodesTravelThroughTheClipboard()
    {
        ShellFixture fixture;
        QVERIFY(fixture.Start());
        CQuillmarApp& app = fixture.App();
        CMainFrame* frame = app.MainFrame();
        app.Document(0)->Doc().SetLevel(33.0f);
        FindAction(MenuAt(frame, 0), QStringLiteral("Copy S&hare Code"))->trigger();
        const QString code = QApplication::clipboard()->text();
        QVERIFY(code.startsWith(QLatin1String("QM1:")));
        QApplication::setActiveWindow(frame);
        QTest::keySequence(frame, QKeySequence::Paste);
        QCOMPARE(app.DocumentCount(), 2);
        QVERIFY(FileBytes(app.Document(1)->Doc()) == FileBytes(app.Document(0)->Doc()));
        // A text field takes its own paste.
        QWidget* field = HeaderOf(app.Document(1))->LevelField();
        field->setFocus();
        QTest::keySequence(field, QKeySequence::Paste);
        QCOMPARE(app.DocumentCount(), 2);
        QVERIFY(app.Document(1)->IsModified() && app.Document(1)->Path().isEmpty());
        QVERIFY(fixture.prompt.messages.empty());

        QApplication::clipboard()->setText(code.left(code.size() - 2));
        QTest::keySequence(frame, QKeySequence::Paste);
        QCOMPARE(app.DocumentCount(), 2);
        QCOMPARE(fixture.prompt.messages.size(), 1u);
        QApplication::clipboard()->setText(QStringLiteral("some other text"));
        QTest::keySequence(frame, QKeySequence::Paste);
        QCOMPARE(fixture.prompt.messages.size(), 1u);
    }

    void openedFileIsShownAndSavesBackTheSame()
    {
        ShellFixture fixture;
        CAppSettings english;
        english.Set(setting::DEFAULT_DB, 1);  // the committed file's names are English
        QVERIFY(english.Save(fixture.Options().settingsFile, nullptr));
        QVERIFY(fixture.Start());
        CQuillmarApp& app = fixture.App();
        const QString golden = QStringLiteral(QUILLMAR_TEST_DATA "/chr/v2004.chr");
        const QString copy = fixture.FilePath(QStringLiteral("copy.chr"));
        app.SetFileChooser([&](CQuillmarApp::FileDialog kind, const QString&) {
            return kind == CQuillmarApp::FileDialog::Open ? golden : copy;
        });
        CMainFrame* frame = app.MainFrame();
        FindAction(MenuAt(frame, 0), QStringLiteral("&Open..."))->trigger();
        QCOMPARE(app.DocumentCount(), 2);
        CCharacterDocument* document = app.Document(1);
        QCOMPARE(frame->CurrentChild(), document->Frames().front());
        QCOMPARE(document->Title(), QStringLiteral("v2004.chr"));
        QVERIFY(!document->IsModified());
        CViewHeader* header = HeaderOf(document);
        QCOMPARE((QStringList{header->RealmList()->currentText(), header->ClassList()->currentText(),
                              header->RaceList()->currentText(), header->LevelField()->text(),
                              header->RealmRankField()->text()}),
                 (QStringList{"Nordhal", "Frostweaver", "Ice Elf", "45", "R3L3"}));

        // Save as, then read back: the same character, and the window names the new file.
        FindAction(MenuAt(frame, 0), QStringLiteral("Save &as..."))->trigger();
        QCOMPARE(document->Path(), copy);
        QCOMPARE(document->Frames().front()->windowTitle(), QStringLiteral("copy.chr[*]"));
        QCOMPARE(app.RecentFiles().value(0), copy);
        CQuillmarDoc reread(app.Database(), app.Settings());
        QVERIFY(LoadCharacterFile(reread, Local(copy), nullptr, UiLanguage::English).Ok());
        QVERIFY(!FileBytes(reread).empty());
        QVERIFY(FileBytes(reread) == FileBytes(document->Doc()));
        QVERIFY(fixture.prompt.messages.empty());
    }

    void closingAModifiedDocumentAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("written");
        QTest::newRow("Yes saves to its file") << int(PromptAnswer::Yes) << true << true;
        QTest::newRow("No drops the changes") << int(PromptAnswer::No) << true << false;
        QTest::newRow("Cancel keeps it open") << int(PromptAnswer::Cancel) << false << false;
    }

    void closingAModifiedDocumentAsks()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, written);
        ShellFixture fixture{PromptAnswer(answer)};
        QVERIFY(fixture.Start());
        CQuillmarApp& app = fixture.App();
        CCharacterDocument* document = app.Document(0);
        const QString path = fixture.FilePath(QStringLiteral("own.chr"));
        QVERIFY(app.SaveDocumentTo(*document, path));
        const QByteArray saved = ReadAll(path);
        document->Doc().SetLevel(33);

        QCOMPARE(document->Frames().front()->close(), closed);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(fixture.prompt.messages.size(), std::size_t(1));
        QCOMPARE(fixture.prompt.messages.front().text, std::string("Save changes to own.chr?"));
        QCOMPARE(app.DocumentCount(), closed ? 0 : 1);
        if (!closed) {
            QVERIFY(document->IsModified());
            QCOMPARE(document->Doc().GetLevel(), 33.0f);
        }
        QCOMPARE(ReadAll(path) != saved, written);
    }

    void failedSaveKeepsTheOldFileAndSaysSo()
    {
        ShellFixture fixture;
        QVERIFY(fixture.Start());
        CQuillmarApp& app = fixture.App();
        CCharacterDocument* document = app.Document(0);
        const QString path = fixture.FilePath(QStringLiteral("kept.chr"));
        QVERIFY(app.SaveDocumentTo(*document, path));
        const QByteArray saved = ReadAll(path);
        document->Doc().SetLevel(15);

        const QString unreachable = fixture.FilePath(QStringLiteral("no-such-folder/x.chr"));
        app.SetFileChooser([&](CQuillmarApp::FileDialog, const QString&) { return unreachable; });
        FindAction(MenuAt(app.MainFrame(), 0), QStringLiteral("Save &as..."))->trigger();
        QVERIFY(document->IsModified());
        QCOMPARE(document->Path(), path);
        QCOMPARE(ReadAll(path), saved);
        QVERIFY(!QFile::exists(unreachable));
        QCOMPARE(fixture.prompt.messages.size(), std::size_t(1));
        QCOMPARE(fixture.prompt.messages.front().caption, std::string("Error"));
        QVERIFY(QString::fromStdString(fixture.prompt.messages.front().text).contains(QStringLiteral("x.chr")));
    }

    void languageSwitchRelabelsWhatIsShown()
    {
        ShellFixture fixture;
        QVERIFY(fixture.Start());
        CQuillmarApp& app = fixture.App();
        CCharacterDocument* document = app.Document(0);
        CViewHeader* header = HeaderOf(document);
        header->ClassList()->setCurrentIndex(1);
        const int classIndex = app.Database().Classes().FindByName(document->Doc().GetClass());
        const QString germanName = header->ClassList()->currentText();
        document->Doc().SetLevel(30);
        const std::string bytes = FileBytes(document->Doc());
        QVERIFY(document->IsModified());

        QMenu* database = MenuAt(app.MainFrame(), 2);
        QAction* german = database->actions().at(0);
        QAction* english = database->actions().at(1);
        english->trigger();
        QCOMPARE(app.Database().Folder(), std::string("en"));
        QVERIFY(english->isChecked() && !german->isChecked());
        QCOMPARE(app.Database().Classes().FindByName(document->Doc().GetClass()), classIndex);
        QCOMPARE(header->ClassList()->currentText(), QString::fromStdString(document->Doc().GetClass()));
        QVERIFY(header->ClassList()->currentText() != germanName);
        QVERIFY(FileBytes(document->Doc()) == bytes);
        QVERIFY(document->IsModified());
        QVERIFY(fixture.prompt.messages.empty());
        QCOMPARE(QDir(fixture.FilePath(QStringLiteral("tmp"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }

    void failedLanguageSwitchLosesNothing()
    {
        // A data folder with German data only: loading English fails after every
        // document has been written out, and everything must come back.
        ShellFixture fixture;
        const QString dataRoot = fixture.FilePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(dataRoot));
        QVERIFY(QFile::link(QStringLiteral(QUILLMAR_SHIPPED_DATA "/de"), dataRoot + QStringLiteral("/de")));
        CStartupOptions options = fixture.Options();
        options.dataRoot = Local(dataRoot);
        QVERIFY(fixture.Start(options));
        CQuillmarApp& app = fixture.App();
        CCharacterDocument* saved = app.Document(0);
        const QString path = fixture.FilePath(QStringLiteral("saved.chr"));
        QVERIFY(app.SaveDocumentTo(*saved, path));
        CCharacterDocument* changed = app.NewDocument();
        CViewHeader* header = HeaderOf(changed);
        header->ClassList()->setCurrentIndex(1);
        const QString className = header->ClassList()->currentText();
        changed->Doc().SetLevel(30);
        const std::string savedBytes = FileBytes(saved->Doc());
        const std::string changedBytes = FileBytes(changed->Doc());

        QAction* english = MenuAt(app.MainFrame(), 2)->actions().at(1);
        english->trigger();
        QCOMPARE(app.Database().Folder(), std::string("de"));
        QVERIFY(app.Database().IsLoaded());
        QVERIFY(!english->isChecked());
        QVERIFY(!fixture.prompt.messages.empty());
        QCOMPARE(app.DocumentCount(), 2);
        QVERIFY(FileBytes(saved->Doc()) == savedBytes);
        QVERIFY(FileBytes(changed->Doc()) == changedBytes);
        QCOMPARE(saved->Path(), path);
        QVERIFY(saved->Doc().IsBoundToFile() && !saved->IsModified());
        QVERIFY(!changed->Doc().IsBoundToFile() && changed->IsModified());
        QCOMPARE(header->ClassList()->currentText(), className);
    }

    void preferencesOkWritesAndCancelDoesNot_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }

    void preferencesOkWritesAndCancelDoesNot()
    {
        QFETCH(bool, ok);
        ShellFixture fixture;
        QVERIFY(fixture.Start());
        CQuillmarApp& app = fixture.App();
        QTabWidget* tabs = app.Document(0)->Frames().front()->View()->Tabs();
        const int tabCount = tabs->count();
        ui_test::WhenModalOpens<COptionDialog>([ok](COptionDialog* dialog) {
            dialog->findChild<QCheckBox*>(QStringLiteral("showOldRas"))->click();
            dialog->findChild<QPushButton*>(ok ? QStringLiteral("okButton") : QStringLiteral("cancelButton"))
                ->click();
        });
        FindAction(MenuAt(app.MainFrame(), 0), QStringLiteral("P&references..."))->trigger();
        QCOMPARE(app.Settings().Get(setting::SHOW_OLD_RAS), ok ? 1 : 0);
        QCOMPARE(tabs->count() != tabCount, ok);  // the views rebuilt their tab sets
        CAppSettings written;
        const bool read = written.Load(app.SettingsFile()) == CAppSettings::LoadResult::Read;
        QCOMPARE(read, ok);
        if (ok)
            QCOMPARE(written.Get(setting::SHOW_OLD_RAS), 1);
        QVERIFY(fixture.prompt.messages.empty());
    }

    void iconsAndRecentWriteWaitForTheFirstFrame()
    {
        ShellFixture fixture;
        const QString hero = fixture.FilePath(QStringLiteral("hero.chr"));
        QVERIFY(QFile::copy(QStringLiteral(QUILLMAR_TEST_DATA "/chr/v2004.chr"), hero));
        CStartupOptions options = fixture.Options();
        options.fileToOpen = hero;
        QVERIFY(fixture.Start(options));
        CMainFrame* frame = fixture.App().MainFrame();
        const QList<QAction*> tools = frame->findChild<QToolBar*>()->actions();
        const auto iconCount = [&tools] {
            return std::count_if(tools.begin(), tools.end(), [](QAction* a) { return !a->icon().isNull(); });
        };
        const auto storedFirst = [&options] {
            return QSettings(options.recentFilesStore, QSettings::IniFormat)
                .value(QStringLiteral("Recent File List/File1"))
                .toString();
        };
        QCOMPARE(fixture.App().RecentFiles().value(0), hero);
        QVERIFY(!frame->StartupFinished());
        QCOMPARE(iconCount(), 0);
        QCOMPARE(storedFirst(), QString());

        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QTRY_VERIFY(frame->StartupFinished());
        QVERIFY(iconCount() > 0);
        QCOMPARE(storedFirst(), hero);
    }

    void mainWindowFitsItsCharacterWindow()
    {
        // Within the screen always; on a screen with room to spare
        // (ui_CMainFrameTest_large_screen) the window holds the whole view and
        // grows no further than the view needs.
        ShellFixture fixture;
        QVERIFY(fixture.Start());
        CMainFrame* frame = fixture.App().MainFrame();
        const QSize available = frame->screen()->availableSize();
        QVERIFY(frame->width() <= available.width() && frame->height() <= available.height());
        if (available.width() < 1600 || available.height() < 1200)
            QSKIP("needs a screen of at least 1600x1200");
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        const QSize wanted = frame->CurrentChild()->View()->sizeHint();
        const QSize area = frame->MdiArea()->size();
        const QSize largest = (wanted + QSize(8, 8) + frame->size() - area).expandedTo(QSize(1024, 720));
        QVERIFY(area.width() >= wanted.width() && area.height() >= wanted.height());
        QVERIFY(frame->width() <= largest.width() && frame->height() <= largest.height());
    }
};

QTEST_MAIN(CMainFrameTest)
#include "CMainFrameTest.moc"
