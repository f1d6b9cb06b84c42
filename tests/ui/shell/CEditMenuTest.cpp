// The Edit menu: undo and redo from the menu, the tool bar and the keys, with
// texts naming the step; a gesture (keys held on the level field, the master
// level slider dragged) is one step; the modified flag follows the history.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <memory>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "pages/masterlevels/CPage8_MasterLevels.h"
#include "shell/CCharacterDocument.h"
#include "shell/CChildFrame.h"
#include "shell/CEditMenu.h"
#include "shell/CHeaderSpinField.h"
#include "shell/CMainFrame.h"
#include "shell/CQuillmarApp.h"
#include "shell/CQuillmarView.h"
#include "shell/CViewHeader.h"
#include "support/RecordingPrompt.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"
#include "ui/support/UiTestSupport.h"

class CEditMenuTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    RecordingPrompt m_prompt{PromptAnswer::Cancel};
    std::unique_ptr<CQuillmarApp> m_app;

    CMainFrame* start(UiLanguage language)
    {
        m_app = std::make_unique<CQuillmarApp>(&m_prompt);
        CStartupOptions options;
        options.settingsFile = QFile::encodeName(m_folder.filePath(QStringLiteral("config.bin"))).toStdString();
        options.dataRoot = QUILLMAR_SHIPPED_DATA;
        options.recentFilesStore = m_folder.filePath(QStringLiteral("recent.ini"));
        options.uiLanguage = language;
        if (!m_app->Startup(options))
            qFatal("no start");
        return m_app->MainFrame();
    }
    QAction* action(const char* name) const { return ui_test::ChildOf<QAction>(m_app->MainFrame(), name); }

private slots:
    void initTestCase()
    {
        QuietUnsupportedPlatformWarnings();
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void cleanup() { m_app.reset(); }

    void menuKeysAndModifiedFlagFollowTheHistory()
    {
        CMainFrame* frame = start(UiLanguage::English);
        frame->show();
        CCharacterDocument& document = frame->CurrentChild()->Document();
        CQuillmarDoc& doc = document.Doc();
        QAction* undo = action("UndoAction");
        QAction* redo = action("RedoAction");
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));
        QVERIFY(frame->findChild<QToolBar*>()->actions().contains(undo));
        QVERIFY(frame->menuBar()->actions().at(1)->menu()->actions().contains(redo));
        QCOMPARE(undo->shortcuts().value(0), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
        QVERIFY(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));

        // Keys held on the level field: one step.
        const float start = doc.GetLevel();
        CHeaderSpinField* level = frame->CurrentChild()->View()->Header()->LevelField();
        for (int i = 0; i < 4; ++i)
            level->stepBy(-1);
        const float lowered = doc.GetLevel();
        QVERIFY(lowered < start);
        QCOMPARE(doc.History().StepCount(), std::size_t{1});
        QCOMPARE(undo->text(), QStringLiteral("&Undo Set Level to %1").arg(lowered));
        QVERIFY(document.IsModified());

        // A save is the new clean point; undo goes past it, redo back to it.
        doc.SetModified(false);
        undo->trigger();
        QCOMPARE(doc.GetLevel(), start);
        QVERIFY(document.IsModified());
        QCOMPARE(redo->text(), QStringLiteral("&Redo Set Level to %1").arg(lowered));
        QCOMPARE(level->text().toFloat(), start);  // the header shows the state undone to
        QVERIFY(!undo->isEnabled());
        redo->trigger();
        QCOMPARE(doc.GetLevel(), lowered);
        QVERIFY(!document.IsModified());
        // The views rebuilt after the undo did not record a step of their own,
        // nor does any page when it is shown.
        QVERIFY(!redo->isEnabled() && undo->isEnabled());
        undo->trigger();
        auto* tabs = frame->CurrentChild()->View()->findChild<QTabWidget*>();
        QVERIFY(tabs && tabs->count() > 1);
        const auto showEveryPage = [&] {
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QVERIFY2(redo->isEnabled(), qPrintable(tabs->tabText(i)));
            }
        };
        showEveryPage();
        redo->trigger();
        // The same in career mode, where a level change moves through the plan.
        doc.SetCareerMode(1);
        doc.SetLevel(30.0f);
        undo->trigger();
        QCOMPARE(doc.GetLevel(), lowered);
        showEveryPage();
        redo->trigger();
        QCOMPARE(doc.GetLevel(), 30.0f);
        undo->trigger();
        undo->trigger();
        QVERIFY(!doc.IsCareerMode());
        redo->trigger();
        redo->trigger();

        // Through the keys, when the window has them.
        frame->activateWindow();
        if (QTest::qWaitForWindowActive(frame)) {
            QTest::keyClick(frame, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(doc.GetLevel(), lowered);
            QTest::keyClick(frame, Qt::Key_Y, Qt::ControlModifier);
            QCOMPARE(doc.GetLevel(), 30.0f);
            QTest::keyClick(frame, Qt::Key_Z, Qt::ControlModifier);
            QTest::keyClick(frame, Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier);
            QCOMPARE(doc.GetLevel(), 30.0f);
        }
    }

    void historySurvivesADataLanguageSwitch()
    {
        CMainFrame* frame = start(UiLanguage::English);
        frame->show();
        QDir(m_folder.path()).mkpath(QStringLiteral("tmp"));
        m_app->SetTemporaryFolderBase(m_folder.filePath(QStringLiteral("tmp")));
        CCharacterDocument& document = frame->CurrentChild()->Document();
        CQuillmarDoc& doc = document.Doc();
        const std::string folder = m_app->Database().Folder();
        const std::string other = folder == "de" ? "en" : "de";
        doc.SetSpecLevel(doc.SkillLines().front(), 12);
        doc.SetModified(false);
        doc.AddStatRaise(1, 3);
        QVERIFY(m_app->SwitchLanguage(other));
        QCOMPARE(m_app->Database().Folder(), other);
        QVERIFY(document.IsModified());
        QCOMPARE(doc.History().StepCount(), std::size_t{2});
        doc.Undo();
        QVERIFY(!document.IsModified());  // the saved point stayed
        // The step names the line in the new data language.
        const QString line = QString::fromLatin1(doc.SkillLines().front().c_str());
        QCOMPARE(action("UndoAction")->text(), QStringLiteral("&Undo Raise %1 to 12").arg(line));
        doc.Undo();
        QCOMPARE(doc.GetSpecLevel(doc.SkillLines().front()), 1);
        doc.Redo();
        doc.Redo();
        QCOMPARE(doc.GetStatRaises()[1], 3);
        QCOMPARE(doc.GetSpecLevel(doc.SkillLines().front()), 12);
    }

    void masterLevelSliderDragIsOneStep()
    {
        CGameDatabase db{QUILLMAR_SHIPPED_DATA};
        db.Load("en");
        CAppSettings settings;
        CShellContext context(db, settings, m_prompt, UiLanguage::English);
        CQuillmarDoc doc(db, settings);
        doc.SetClass(db.Classes().Name(0));
        doc.ActivateSelection();
        doc.SetMasterLevelOption(1);
        CPage8_MasterLevels page(context, doc);
        auto* slider = page.findChild<QSlider*>();
        QVERIFY(slider);
        const std::size_t before = doc.History().StepCount();
        for (int value = 1; value <= 7; ++value)
            slider->setValue(value);
        QCOMPARE(doc.GetMasterLevel(), 7);
        QCOMPARE(doc.History().StepCount(), before + 1);
        const StepName* step = doc.History().UndoName();
        QCOMPARE(StepText(*step, db, UiLanguage::English), QStringLiteral("Set Master Level to 7"));
        doc.Undo();
        QCOMPARE(doc.GetMasterLevel(), 0);
    }

    void stepTextsNameTheRecordInEitherLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("undoText");
        QTest::newRow("en") << int(UiLanguage::English) << QStringLiteral("&Undo Raise %1 to 12");
        QTest::newRow("de") << int(UiLanguage::German) << QStringLiteral("&Rückgängig: %1 auf 12 steigern");
    }
    void stepTextsNameTheRecordInEitherLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, undoText);
        CMainFrame* frame = start(static_cast<UiLanguage>(language));
        frame->show();
        CQuillmarDoc& doc = frame->CurrentChild()->Document().Doc();
        const std::vector<std::string> lines = doc.SkillLines();
        QVERIFY(!lines.empty());
        doc.SetSpecLevel(lines.front(), 12);
        doc.AddStatRaise(0, 2);
        doc.Undo();
        QAction* undo = action("UndoAction");
        QCOMPARE(undo->text(), undoText.arg(QString::fromLatin1(lines.front().c_str())));
        QMenu* edit = frame->menuBar()->actions().at(1)->menu();
        edit->popup(frame->mapToGlobal(QPoint(40, 20)));
        QVERIFY(QTest::qWaitForWindowExposed(edit));
        SaveScreenshot(edit->grab().toImage(), language == int(UiLanguage::German) ? "EditMenuGerman" : "EditMenuEnglish");
        edit->hide();
    }
};

QTEST_MAIN(CEditMenuTest)
#include "CEditMenuTest.moc"
