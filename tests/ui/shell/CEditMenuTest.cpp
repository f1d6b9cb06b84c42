// The Edit menu: undo and redo from the menu and the keys, texts naming the
// step in the current data language (also after a data-language switch), a
// gesture as one step, and the modified flag following the history.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QTabWidget>
#include <QToolBar>
#include <QtTest>

#include <memory>

#include "pages/masterlevels/CPage8_MasterLevels.h"
#include "shell/CCharacterDocument.h"
#include "shell/CChildFrame.h"
#include "shell/CEditMenu.h"
#include "shell/CHeaderSpinField.h"
#include "shell/CMainFrame.h"
#include "shell/CQuillmarView.h"
#include "shell/CViewHeader.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/PageTestContext.h"
#include "ui/support/QuietPlatform.h"
#include "ui/support/ShellFixture.h"
#include "ui/support/UiTestSupport.h"

class CEditMenuTest : public QObject, PageTestContext {
    Q_OBJECT

    std::unique_ptr<ShellFixture> m_shell;
    CQuillmarApp* m_app = nullptr;

    CQuillmarDoc& start(UiLanguage language)
    {
        m_shell = std::make_unique<ShellFixture>();
        if (!m_shell->Start(language))
            qFatal("no start");
        m_app = &m_shell->App();
        m_app->MainFrame()->show();
        return m_app->MainFrame()->CurrentChild()->Document().Doc();
    }
    QAction* action(const char* name) const { return ui_test::ChildOf<QAction>(m_app->MainFrame(), name); }

private slots:
    void initTestCase() { QuietUnsupportedPlatformWarnings(); }
    void cleanup() { m_shell.reset(); }

    void menuKeysAndModifiedFlagFollowTheHistory()
    {
        CQuillmarDoc& doc = start(UiLanguage::English);
        CMainFrame* frame = m_app->MainFrame();
        QAction* undo = action("UndoAction");
        QAction* redo = action("RedoAction");
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QVERIFY(frame->findChild<QToolBar*>()->actions().contains(undo));
        QVERIFY(frame->menuBar()->actions().at(1)->menu()->actions().contains(redo));

        // Keys held on the level field: one step.
        const float start = doc.GetLevel();
        CHeaderSpinField* level = frame->CurrentChild()->View()->Header()->LevelField();
        for (int i = 0; i < 4; ++i)
            level->stepBy(-1);
        const float lowered = doc.GetLevel();
        QCOMPARE(doc.History().StepCount(), std::size_t{1});
        QCOMPARE(undo->text(), QStringLiteral("&Undo Set Level to %1").arg(lowered));

        // A save is the new clean point; undo goes past it, redo back to it.
        doc.SetModified(false);
        undo->trigger();
        QCOMPARE(doc.GetLevel(), start);
        QCOMPARE(level->text().toFloat(), start);
        QVERIFY(doc.IsModified() && !undo->isEnabled());
        QCOMPARE(redo->text(), QStringLiteral("&Redo Set Level to %1").arg(lowered));
        redo->trigger();
        QVERIFY(!doc.IsModified());

        // No page records a step of its own when it is rebuilt or shown, in
        // career mode neither (where a level change moves through the plan).
        auto* tabs = frame->CurrentChild()->View()->findChild<QTabWidget*>();
        for (const int career : {0, 1}) {
            doc.SetCareerMode(career);
            doc.SetLevel(30.0f - 10.0f * career);
            undo->trigger();
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QVERIFY2(redo->isEnabled(), qPrintable(tabs->tabText(i)));
            }
            redo->trigger();
            QCOMPARE(doc.GetLevel(), 30.0f - 10.0f * career);
        }

        // The keys, when the window has them.
        if (QTest::qWaitForWindowActive(frame)) {
            QTest::keyClick(frame, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(doc.GetLevel(), 30.0f);
            QTest::keyClick(frame, Qt::Key_Y, Qt::ControlModifier);
            QCOMPARE(doc.GetLevel(), 20.0f);
            QTest::keyClick(frame, Qt::Key_Z, Qt::ControlModifier);
            QTest::keyClick(frame, Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier);
            QCOMPARE(doc.GetLevel(), 20.0f);
        }
    }

    void stepsFollowADataLanguageSwitch_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("undoText");
        QTest::newRow("en") << int(UiLanguage::English) << QStringLiteral("&Undo Raise %1 to 12");
        QTest::newRow("de") << int(UiLanguage::German) << QStringLiteral("&Rückgängig: %1 auf 12 steigern");
    }
    void stepsFollowADataLanguageSwitch()
    {
        QFETCH(int, language);
        QFETCH(QString, undoText);
        const bool german = language == int(UiLanguage::German);
        CQuillmarDoc& doc = start(static_cast<UiLanguage>(language));
        // A document in the background keeps its history too.
        CCharacterDocument& first = m_app->MainFrame()->CurrentChild()->Document();
        CCharacterDocument* background = m_app->NewDocument();
        background->Doc().AddStatRaise(2, 1);
        m_app->MainFrame()->ActivateChild(first.Frames().front());
        // Into the other data language, then into the interface's own.
        for (const char* folder : {german ? "en" : "de", german ? "de" : "en"}) {
            doc.SetSpecLevel(doc.SkillLines().front(), 12);
            doc.SetModified(false);
            doc.AddStatRaise(1, 3);
            QVERIFY(m_app->SwitchLanguage(folder));
            QVERIFY(doc.IsModified());
            doc.Undo();
            QVERIFY(!doc.IsModified());  // the saved point stayed
            const QString line = QString::fromLatin1(doc.SkillLines().front().c_str());
            QCOMPARE(action("UndoAction")->text(), undoText.arg(line));
            doc.Undo();
            QCOMPARE(doc.GetSpecLevel(doc.SkillLines().front()), 1);
            doc.Redo();
            doc.Redo();
            QCOMPARE(doc.GetStatRaises()[1], 3);
            doc.Undo();
        }
        QCOMPARE(background->Doc().History().StepCount(), std::size_t{1});
        QMenu* edit = m_app->MainFrame()->menuBar()->actions().at(1)->menu();
        edit->popup(m_app->MainFrame()->mapToGlobal(QPoint(40, 20)));
        QVERIFY(QTest::qWaitForWindowExposed(edit));
        SaveScreenshot(edit->grab().toImage(), german ? "EditMenuGerman" : "EditMenuEnglish");
        edit->hide();
    }

    void masterLevelSliderDragIsOneStep()
    {
        m_database.Load("en");
        CQuillmarDoc doc(m_database, m_settings);
        doc.SetClass(m_database.Classes().Name(0));
        doc.SetMasterLevelOption(1);
        CPage8_MasterLevels page(m_context, doc);
        const std::size_t before = doc.History().StepCount();
        for (int value = 1; value <= 7; ++value)
            page.findChild<QSlider*>()->setValue(value);
        QCOMPARE(doc.History().StepCount(), before + 1);
        QCOMPARE(StepText(*doc.History().UndoName(), m_database, UiLanguage::English),
                 QStringLiteral("Set Master Level to 7"));
        doc.Undo();
        QCOMPARE(doc.GetMasterLevel(), 0);
    }
};

QTEST_MAIN(CEditMenuTest)
#include "CEditMenuTest.moc"
