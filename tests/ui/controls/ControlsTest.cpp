// What a click, key, wheel or timer does to a control's value, signals and looks.
#include <QHeaderView>
#include <QSignalSpy>
#include <QtTest>

#include "controls/CButtonAutoRepeat.h"
#include "controls/CButtonSelect.h"
#include "controls/CEditColor.h"
#include "controls/CEditKeyResponse.h"
#include "controls/CListCtrlMoreNotifies.h"
#include "controls/CNumEdit.h"
#include "controls/CToggleButton.h"
#include "controls/CToggleButtonPainter.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/UiTestSupport.h"

using namespace ui_test;
using Calls = QList<QList<QVariant>>;  // what a QSignalSpy recorded

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    // Range 1..5: the owner's value is clamped silently; typed text counts once a step
    // key or Return takes it, clamped at both ends, and a change is reported once.
    void numEditTypingAndSteps_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::newRow("set above the maximum, plus") << 99 << "" << int(Qt::Key_Plus) << 5;
        QTest::newRow("set below the minimum, minus") << -4 << "" << int(Qt::Key_Minus) << 1;
        QTest::newRow("plus inside") << 2 << "" << int(Qt::Key_Plus) << 3;
        QTest::newRow("typed 7, plus: clamped") << 3 << "7" << int(Qt::Key_Plus) << 5;
        QTest::newRow("typed 2, minus") << 4 << "2" << int(Qt::Key_Minus) << 1;
        QTest::newRow("typed text, plus: 0 + 1") << 4 << "abc" << int(Qt::Key_Plus) << 1;
        QTest::newRow("typed 40, Return: maximum") << 2 << "40" << int(Qt::Key_Return) << 5;
        QTest::newRow("typed 0, Return: minimum") << 2 << "0" << int(Qt::Key_Return) << 1;
    }
    void numEditTypingAndSteps()
    {
        QFETCH(int, set);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, expected);
        CNumEdit edit;
        edit.setControlId(5003);
        edit.setRange(1, 5);
        QSignalSpy spy(&edit, &CNumEdit::valueChanged);
        edit.setValue(set);
        const int start = std::clamp(set, 1, 5);
        QCOMPARE(edit.value(), start);
        QCOMPARE(spy.count(), 0);  // the owner's own change is not reported back
        if (!typed.isEmpty()) {
            edit.editField()->selectAll();
            QTest::keyClicks(edit.editField(), typed);
        }
        QTest::keyClick(edit.editField(), Qt::Key(key));
        QCOMPARE(edit.value(), expected);
        QCOMPARE(edit.editField()->text(), QString::number(expected));  // "+" and "-" are never typed
        QCOMPARE(Calls(spy), (expected != start ? Calls{{5003, expected}} : Calls{}));
    }

    // A number field's plus sends a step at once and repeats while held; whatever ends the
    // hold ends the repeat (a hidden or disabled button never sees its release).
    void heldPlusRepeatsUntilTheHoldEnds_data()
    {
        QTest::addColumn<int>("stop");
        QTest::newRow("released") << 0;
        QTest::newRow("hidden") << 1;
        QTest::newRow("disabled") << 2;
    }
    void heldPlusRepeatsUntilTheHoldEnds()
    {
        QFETCH(int, stop);
        CNumEdit edit;
        edit.setRange(0, 100);
        edit.resize(100, 24);
        edit.show();
        CButtonAutoRepeat* plus = edit.plusButton();
        plus->setRepeatDelays(40, 10);
        QSignalSpy spy(plus, &CButtonAutoRepeat::command);
        press(plus, {12, 12});
        QTRY_VERIFY_WITH_TIMEOUT(spy.count() >= 4, 2000);
        if (stop == 0)
            release(plus, {12, 12});
        else
            stop == 1 ? plus->hide() : plus->setEnabled(false);
        QVERIFY(!plus->isRepeating());
        const int n = int(spy.count());
        QTest::qWait(80);
        QCOMPARE(spy.count(), n);
        QCOMPARE(plus->repeatCount(), n - 1);
        QCOMPARE(edit.editField()->text(), QString::number(n));
    }

    // A click or space flips the level button, the command comes after the event, and the
    // pressed look is filled (the check that something is drawn at all).
    void toggleButtonFlipsAndPostsItsCommand()
    {
        CToggleButton button("3");
        button.setControlId(5007);
        button.resize(40, 24);
        QSignalSpy spy(&button, &CToggleButton::command);
        const QColor fill = CToggleButtonPainter::filledColor();
        auto filled = [&] { return CountPixels(button.grab().toImage(), button.rect(), fill) > 480; };
        QVERIFY(!filled());
        for (bool pressedAfter : {true, false}) {
            pressedAfter ? QTest::mouseClick(&button, Qt::LeftButton)
                         : QTest::keyClick(&button, Qt::Key_Space);
            QCOMPARE(button.isPressed(), pressedAfter);
            QCOMPARE(filled(), pressedAfter);
            QCOMPARE(spy.count(), pressedAfter ? 0 : 1);  // posted: not yet
            QTRY_COMPARE(spy.count(), pressedAfter ? 1 : 2);
            QCOMPARE(spy.last().at(0).toInt(), 5007);
        }
        // A button destroyed before the event loop ran drops its command.
        auto* doomed = new CToggleButton("1");
        int received = 0;
        connect(doomed, &CToggleButton::command, &button, [&](int) { ++received; });
        QTest::mouseClick(doomed, Qt::LeftButton);
        delete doomed;
        QTest::qWait(20);
        QCOMPARE(received, 0);
    }

    void buttonSelectFlipsItsStateAndItsPicture()
    {
        CButtonSelect button("Wahl");
        button.resize(120, 60);
        QSignalSpy spy(&button, &CButtonSelect::stateChanged);
        QVERIFY(!button.state());
        const QImage unselected = button.grab().toImage();
        QTest::mouseClick(&button, Qt::LeftButton);
        QVERIFY(button.state());
        QVERIFY(button.grab().toImage() != unselected);
        QTest::keyClick(&button, Qt::Key_Space);
        QVERIFY(!button.state());
        QCOMPARE(button.grab().toImage(), unselected);
        QCOMPARE(Calls(spy), (Calls{{true}, {false}}));
    }

    // The background shown: the owner's colour, kept across a read-only switch, else the
    // system's for an editable or a read-only field.
    void editColorShowsItsBackground()
    {
        const QColor own(192, 255, 192), ink(0, 0, 200);
        CEditColor edit;
        edit.resize(120, 26);
        edit.setText(QStringLiteral("MMMM"));
        auto shown = [&] { return QColor(edit.grab().toImage().pixel(108, 13)); };
        const QPalette palette = QApplication::palette(&edit);
        QVERIFY(palette.color(QPalette::Button) != palette.color(QPalette::Base));
        for (bool readOnly : {false, true}) {
            edit.setReadOnly(readOnly);
            const QColor system = palette.color(readOnly ? QPalette::Button : QPalette::Base);
            QCOMPARE(shown(), system);
            edit.setBackgroundColor(own);
            edit.setTextColor(ink);
            edit.setReadOnly(!readOnly);
            QCOMPARE(shown(), own);
            QVERIFY(CountPixels(edit.grab().toImage(), edit.rect(), ink) > 5);
            edit.setReadOnly(readOnly);
            edit.resetColors();
            QCOMPARE(shown(), system);
        }
    }

    void editKeyResponseReportsStepKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");  // 0: not reported, typed into the field
        QTest::addColumn<QString>("fieldAfter");
        QTest::newRow("plus") << int(Qt::Key_Plus) << "+" << 0 << 6001 << "12";
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << "-" << int(Qt::KeypadModifier) << 6002 << "12";
        QTest::newRow("up arrow") << int(Qt::Key_Up) << "" << 0 << 6003 << "12";
        QTest::newRow("digit is typed") << int(Qt::Key_3) << "3" << 0 << 0 << "123";
        QTest::newRow("ctrl+minus is no step")
            << int(Qt::Key_Minus) << "-" << int(Qt::ControlModifier) << 0 << "12";
    }
    void editKeyResponseReportsStepKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QFETCH(QString, fieldAfter);
        CEditKeyResponse edit;
        edit.setControlId(77);
        edit.setText(QStringLiteral("12"));
        QSignalSpy keys(&edit, &CEditKeyResponse::keyCommand);
        QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QApplication::sendEvent(&edit, &event);
        QCOMPARE(edit.text(), fieldAfter);
        QCOMPARE(Calls(keys), (code ? Calls{{77, code}} : Calls{}));
    }

    // One report per user scroll (key or wheel) and per program scroll, as level buttons
    // follow the rows; hovers tell row and column; a divider drag is tracked.
    void listReportsScrollsHoversAndDividerDrags()
    {
        CListCtrlMoreNotifies list;
        list.setControlId(1234);
        list.setHeaderLabels({"Name", "Art", "Level"});
        for (int i = 0; i < 50; ++i)
            list.addTopLevelItem(new QTreeWidgetItem({QString("Item %1").arg(i), "aktiv", "1 2 3"}));
        list.setColumnWidth(0, 120);
        list.setColumnWidth(1, 80);
        list.resize(360, 200);
        list.show();
        QSignalSpy scrolled(&list, &CListCtrlMoreNotifies::scrolled);
        QTest::keyClick(&list, Qt::Key_PageDown);
        QTest::keyClick(&list, Qt::Key_Escape);
        QCOMPARE(Calls(scrolled), (Calls{{1234}}));
        QWheelEvent turn({50, 50}, list.viewport()->mapToGlobal(QPoint(50, 50)), {}, {0, 120}, Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list.viewport(), &turn);
        list.scrollToItem(list.topLevelItem(49));
        QCOMPARE(scrolled.count(), 3);

        list.scrollToTop();
        QSignalSpy hovered(&list, &CListCtrlMoreNotifies::itemHovered);
        const QPoint at = list.visualRect(list.model()->index(3, 1)).center();
        move(list.viewport(), at);
        QCOMPARE(Calls(hovered), (Calls{{1234, 3, 1, at}}));

        QSignalSpy begin(&list, &CListCtrlMoreNotifies::columnTrackBegin);
        QSignalSpy end(&list, &CListCtrlMoreNotifies::columnTrackEnd);
        QWidget* header = list.header()->viewport();
        const int y = list.header()->height() / 2;
        press(header, {60, y});  // inside a section: no track
        release(header, {60, y});
        list.setColumnWidth(1, 90);  // the program's own resize: no track
        QCOMPARE(begin.count() + end.count(), 0);
        press(header, {211, y});  // just right of the divider after column 1 (120 + 90)
        QCOMPARE(Calls(begin), (Calls{{1234, 1}}));
        QCOMPARE(list.trackedColumn(), 1);
        move(header, {231, y}, Qt::LeftButton);
        release(header, {231, y});
        QCOMPARE(Calls(end), (Calls{{1234, 1, 110}}));
        QCOMPARE(list.trackedColumn(), -1);
    }
};

QTEST_MAIN(ControlsTest)
#include "ControlsTest.moc"
