#include "controls/CButtonAutoRepeat.h"
#include "ControlTestSupport.h"

#include <QSignalSpy>
#include <QtTest>

using namespace control_test;

enum class Action { Click, RightPress, DoubleClick, SpaceWithRepeats, ReturnKey, DisabledClick };
Q_DECLARE_METATYPE(Action)

class CButtonAutoRepeatTest : public QObject {
    Q_OBJECT
private slots:
    // Held: one command at once, the first repeat after 500 ms, then one every 100 ms. Each
    // pause is bracketed by two reference timers started with the command that opens it,
    // 20 ms short of it and 20 ms past it. Qt fires due timers in deadline order, so the
    // check reads no clock and a busy machine cannot make it fail.
    void heldButtonRepeatsAtThePace()
    {
        CButtonAutoRepeat button("+");
        button.setControlId(42);
        button.resize(30, 30);
        QList<int> ids;
        QStringList faults;
        connect(&button, &CButtonAutoRepeat::command, &button, [&](int id) {
            ids << id;
            const int n = int(ids.size());
            if (n > 4)
                return;
            const int pause = n == 1 ? 500 : 100;
            QTimer::singleShot(pause - 20, Qt::PreciseTimer, &button, [&, n] {
                if (ids.size() != n)
                    faults << QStringLiteral("command %1 came early").arg(n + 1);
            });
            QTimer::singleShot(pause + 20, Qt::PreciseTimer, &button, [&, n] {
                if (ids.size() != n + 1)
                    faults << QStringLiteral("command %1 late or doubled").arg(n + 1);
            });
        });
        press(&button, {15, 15});
        QCOMPARE(ids.size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(ids.size() >= 6, 5000);
        release(&button, {15, 15});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(", ")));
        QCOMPARE(button.repeatCount(), ids.size() - 1);
        QVERIFY(!button.isRepeating());
        const int atRelease = int(ids.size());
        QTest::qWait(150);
        QCOMPARE(ids.size(), atRelease);
        QCOMPARE(ids, QList<int>(atRelease, 42));
    }

    void singleActions_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("commands");
        QTest::newRow("click sends one, release adds none") << Action::Click << 1;
        QTest::newRow("right button sends none") << Action::RightPress << 0;
        QTest::newRow("double-click counts as a second press") << Action::DoubleClick << 2;
        QTest::newRow("space: one per key-down incl. key repeat") << Action::SpaceWithRepeats << 3;
        QTest::newRow("return is not the button's key") << Action::ReturnKey << 0;
        QTest::newRow("disabled button sends none") << Action::DisabledClick << 0;
    }
    void singleActions()
    {
        QFETCH(Action, action);
        QFETCH(int, commands);
        CButtonAutoRepeat button("-");
        button.resize(30, 30);
        QSignalSpy spy(&button, &CButtonAutoRepeat::command);
        const QPoint c(15, 15);
        switch (action) {
        case Action::RightPress:
            sendMouse(&button, QEvent::MouseButtonPress, c, Qt::RightButton, Qt::RightButton);
            sendMouse(&button, QEvent::MouseButtonRelease, c, Qt::RightButton, Qt::NoButton);
            break;
        case Action::SpaceWithRepeats:
            QTest::keyPress(&button, Qt::Key_Space);
            for (int i = 0; i < 2; ++i) {
                QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
                QApplication::sendEvent(&button, &repeat);
            }
            QTest::keyRelease(&button, Qt::Key_Space);
            break;
        case Action::ReturnKey:
            QTest::keyClick(&button, Qt::Key_Return);
            break;
        default:
            button.setEnabled(action != Action::DisabledClick);
            press(&button, c);
            release(&button, c);
            if (action == Action::DoubleClick) {
                doubleClick(&button, c);
                release(&button, c);
            }
        }
        QTest::qWait(20);
        QCOMPARE(spy.count(), commands);
        QVERIFY(!button.isRepeating());
    }

    void draggingOffPausesAndComingBackResumes()
    {
        CButtonAutoRepeat button("+");
        button.setRepeatDelays(60, 20);
        button.resize(30, 30);
        QSignalSpy spy(&button, &CButtonAutoRepeat::command);
        press(&button, {15, 15});
        move(&button, {200, 15}, Qt::LeftButton);  // off the button: no longer shown pushed
        QVERIFY(!button.isDown());
        QTest::qWait(200);
        QCOMPARE(spy.count(), 1);
        move(&button, {15, 15}, Qt::LeftButton);
        QVERIFY(button.isDown());
        QTRY_VERIFY_WITH_TIMEOUT(spy.count() >= 3, 1000);
        release(&button, {15, 15});
        const int n = int(spy.count());
        QTest::qWait(100);
        QCOMPARE(spy.count(), n);
    }

    void hidingOrDisablingStopsTheRepeat_data()
    {
        QTest::addColumn<bool>("disable");
        QTest::newRow("hidden") << false;
        QTest::newRow("disabled") << true;
    }
    // Neither sees the release; without care the button would repeat for ever.
    void hidingOrDisablingStopsTheRepeat()
    {
        QFETCH(bool, disable);
        QWidget parent;
        auto* button = new CButtonAutoRepeat("+", &parent);
        button->setRepeatDelays(30, 10);
        button->setGeometry(0, 0, 30, 30);
        parent.show();
        QSignalSpy spy(button, &CButtonAutoRepeat::command);
        press(button, {15, 15});
        QTRY_VERIFY_WITH_TIMEOUT(spy.count() >= 2, 1000);
        disable ? button->setEnabled(false) : button->hide();
        QVERIFY(!button->isRepeating());
        const int n = int(spy.count());
        QTest::qWait(80);
        QCOMPARE(spy.count(), n);
    }
};

QTEST_MAIN(CButtonAutoRepeatTest)
#include "CButtonAutoRepeatTest.moc"
