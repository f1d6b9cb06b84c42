#include "controls/CButtonAutoRepeat.h"
#include "ControlTestSupport.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using namespace control_test;

class CButtonAutoRepeatTest : public QObject {
    Q_OBJECT
private slots:
    void heldButtonRepeatsAtTheRealPace();
    void singleActions_data();
    void singleActions();
    void draggingOffPausesAndComingBackResumes();
    void hidingOrDisablingStopsTheRepeat();
};

// Holding for 1.2 s: one command at once, one after 500 ms, then one every 100 ms.
void CButtonAutoRepeatTest::heldButtonRepeatsAtTheRealPace()
{
    CButtonAutoRepeat button("+");
    button.setControlId(42);
    button.resize(30, 30);
    QList<qint64> stamps;
    QList<int> ids;
    QElapsedTimer clock;
    connect(&button, &CButtonAutoRepeat::command, this, [&](int id) {
        stamps << clock.elapsed();
        ids << id;
    });

    clock.start();
    press(&button, {15, 15});
    QTest::qWait(1200);
    release(&button, {15, 15});
    const int atRelease = int(stamps.size());
    QTest::qWait(250);

    QCOMPARE(stamps.size(), atRelease);  // nothing after the release
    QVERIFY2(atRelease >= 8 && atRelease <= 9, qPrintable(QString::number(atRelease)));
    QCOMPARE(button.repeatCount(), atRelease - 1);
    QVERIFY(!button.isRepeating());
    QVERIFY(stamps[0] < 50);
    const qint64 firstGap = stamps[1] - stamps[0];
    QVERIFY2(firstGap >= 490 && firstGap < 650, qPrintable(QString::number(firstGap)));
    for (int i = 2; i < stamps.size(); ++i) {
        const qint64 gap = stamps[i] - stamps[i - 1];
        QVERIFY2(gap >= 90 && gap < 200, qPrintable(QStringLiteral("gap %1: %2").arg(i).arg(gap)));
    }
    for (int id : ids)
        QCOMPARE(id, 42);
}

enum class Action { Click, RightPress, DoubleClick, SpaceWithRepeats, ReturnKey, DisabledClick };
Q_DECLARE_METATYPE(Action)

void CButtonAutoRepeatTest::singleActions_data()
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

void CButtonAutoRepeatTest::singleActions()
{
    QFETCH(Action, action);
    QFETCH(int, commands);
    CButtonAutoRepeat button("-");
    button.resize(30, 30);
    QSignalSpy spy(&button, &CButtonAutoRepeat::command);
    const QPoint c(15, 15);
    switch (action) {
    case Action::Click:
        press(&button, c);
        release(&button, c);
        break;
    case Action::RightPress:
        sendMouse(&button, QEvent::MouseButtonPress, c, Qt::RightButton, Qt::RightButton);
        sendMouse(&button, QEvent::MouseButtonRelease, c, Qt::RightButton, Qt::NoButton);
        break;
    case Action::DoubleClick:
        press(&button, c);
        release(&button, c);
        doubleClick(&button, c);
        release(&button, c);
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
    case Action::DisabledClick:
        button.setEnabled(false);
        press(&button, c);
        release(&button, c);
        break;
    }
    QTest::qWait(20);
    QCOMPARE(spy.count(), commands);
    QVERIFY(!button.isRepeating());
}

void CButtonAutoRepeatTest::draggingOffPausesAndComingBackResumes()
{
    CButtonAutoRepeat button("+");
    button.setRepeatDelays(60, 20);
    button.resize(30, 30);
    QSignalSpy spy(&button, &CButtonAutoRepeat::command);
    press(&button, {15, 15});
    QCOMPARE(spy.count(), 1);
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

void CButtonAutoRepeatTest::hidingOrDisablingStopsTheRepeat()
{
    for (bool disable : {false, true}) {
        QWidget parent;
        auto* button = new CButtonAutoRepeat("+", &parent);
        button->setRepeatDelays(30, 10);
        button->setGeometry(0, 0, 30, 30);
        parent.show();
        QSignalSpy spy(button, &CButtonAutoRepeat::command);
        press(button, {15, 15});
        QTRY_VERIFY_WITH_TIMEOUT(spy.count() >= 2, 1000);
        if (disable)
            button->setEnabled(false);
        else
            button->hide();
        QVERIFY(!button->isRepeating());
        const int n = int(spy.count());
        QTest::qWait(80);
        QCOMPARE(spy.count(), n);
    }
}

QTEST_MAIN(CButtonAutoRepeatTest)
#include "CButtonAutoRepeatTest.moc"
