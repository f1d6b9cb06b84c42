#include "controls/CToggleButton.h"
#include "ControlTestSupport.h"
#include "controls/CToggleButtonPainter.h"

#include <QSignalSpy>
#include <QtTest>

using namespace control_test;
using Painter = CToggleButtonPainter;
using Look = Painter::Look;
Q_DECLARE_METATYPE(Look)

namespace {

// Stands in for the list behind the level buttons: records the moves it is given.
class MoveRecorder : public QWidget {
public:
    QList<QPoint> positions;
    QList<Qt::MouseButtons> buttons;

protected:
    void mouseMoveEvent(QMouseEvent* e) override
    {
        positions << e->position().toPoint();
        buttons << e->buttons();
    }
};

}  // namespace

class CToggleButtonTest : public QObject {
    Q_OBJECT
private slots:
    // Every combination of the flags: the look it gives, drawn in that look's colours.
    void looks_data()
    {
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("available");
        QTest::addColumn<Look>("look");
        QTest::newRow("released, available") << false << false << true << Look::RaisedAvailable;
        QTest::newRow("released, unavailable") << false << false << false << Look::RaisedUnavailable;
        QTest::newRow("pressed") << true << false << true << Look::Filled;
        QTest::newRow("pressed, unavailable") << true << false << false << Look::Filled;
        QTest::newRow("released, held: about to fill") << false << true << true << Look::Filled;
        QTest::newRow("released, held, unavailable") << false << true << false << Look::Filled;
        QTest::newRow("pressed, held: about to rise") << true << true << true << Look::RaisedAvailable;
        QTest::newRow("pressed, held, unavailable") << true << true << false << Look::RaisedUnavailable;
    }
    void looks()
    {
        QFETCH(bool, pressed);
        QFETCH(bool, held);
        QFETCH(bool, available);
        QFETCH(Look, look);
        QCOMPARE(Painter::lookFor(pressed, held, available), look);
        Painter::State s;
        s.caption = QStringLiteral("88");
        s.pressed = pressed;
        s.held = held;
        s.available = available;
        QPalette pal = QApplication::palette();
        pal.setColor(QPalette::ButtonText, Qt::black);
        const QImage image = paintState<Painter>({40, 24}, s, pal);
        const int blue = CountPixels(image, image.rect(), Painter::availableCaptionColor());
        const int fill = CountPixels(image, image.rect(), Painter::filledColor());
        const int black = CountPixels(image, image.rect(), Qt::black);
        const QString counts = QStringLiteral("blue %1, fill %2, black %3").arg(blue).arg(fill).arg(black);
        QVERIFY2(look == Look::RaisedAvailable ? blue > 5 : blue == 0 && black > 5, qPrintable(counts));
        QVERIFY2(look == Look::Filled ? fill > 40 * 24 / 2 : fill == 0, qPrintable(counts));
    }

    void clickOrSpaceFlipsAndPostsTheCommand_data()
    {
        QTest::addColumn<bool>("space");
        QTest::newRow("click") << false;
        QTest::newRow("space bar") << true;
    }
    void clickOrSpaceFlipsAndPostsTheCommand()
    {
        QFETCH(bool, space);
        CToggleButton button("3");
        button.setControlId(5007);
        button.resize(30, 20);
        QSignalSpy spy(&button, &CToggleButton::command);
        for (bool pressedAfter : {true, false}) {
            space ? QTest::keyClick(&button, Qt::Key_Space) : QTest::mouseClick(&button, Qt::LeftButton);
            QCOMPARE(button.isPressed(), pressedAfter);
            QCOMPARE(spy.count(), pressedAfter ? 0 : 1);  // posted: the owner sees it after the click
            QTRY_COMPARE(spy.count(), pressedAfter ? 1 : 2);
            QCOMPARE(spy.last().at(0).toInt(), 5007);
        }
    }

    void ownerMayReleaseTheButtonAgain()
    {
        CToggleButton button("5");
        button.resize(30, 20);
        int handled = 0;
        connect(&button, &CToggleButton::command, this, [&](int) {
            ++handled;
            if (!button.isAvailable())
                button.setPressed(false);  // an unaffordable level is not taken
        });
        QTest::mouseClick(&button, Qt::LeftButton);
        QTRY_COMPARE(handled, 1);
        QVERIFY(!button.isPressed());
        button.setAvailable(true);
        QTest::mouseClick(&button, Qt::LeftButton);
        QTRY_COMPARE(handled, 2);
        QVERIFY(button.isPressed());
    }

    void commandOfADestroyedButtonIsDropped()
    {
        int received = 0;
        auto* button = new CToggleButton("1");
        button->resize(30, 20);
        connect(button, &CToggleButton::command, this, [&](int) { ++received; });
        QTest::mouseClick(button, Qt::LeftButton);
        delete button;  // the page rebuilt its rows before the event loop ran
        QTest::qWait(20);
        QCOMPARE(received, 0);
    }

    void mouseMovesReachTheParent_data()
    {
        QTest::addColumn<Qt::MouseButtons>("held");
        QTest::newRow("hovering") << Qt::MouseButtons(Qt::NoButton);
        QTest::newRow("while the button is held") << Qt::MouseButtons(Qt::LeftButton);
    }
    void mouseMovesReachTheParent()
    {
        QFETCH(Qt::MouseButtons, held);
        MoveRecorder parent;
        parent.setMouseTracking(true);  // as a list viewport has
        parent.resize(200, 100);
        auto* button = new CToggleButton("4", &parent);
        button->setGeometry(50, 30, 30, 20);
        if (held)
            press(button, {5, 5});
        move(button, {10, 7}, held);
        QCOMPARE(parent.positions, QList<QPoint>{QPoint(60, 37)});       // once: not again by propagation
        QCOMPARE(parent.buttons.at(0), Qt::MouseButtons(Qt::NoButton));  // a list must not drag-select
        if (held)
            release(button, {10, 7});
    }

    // Held, the button shows the look it is about to take.
    void heldButtonShowsTheLookItIsAboutToTake()
    {
        CToggleButton button("9");
        button.resize(40, 24);
        const int half = 40 * 24 / 2;
        auto fill = [&] {
            return CountPixels(button.grab().toImage(), button.rect(), Painter::filledColor());
        };
        QVERIFY(fill() < half / 2);
        for (bool pressedAfter : {true, false}) {
            press(&button, {20, 12});
            QCOMPARE(fill() > half, pressedAfter);
            release(&button, {20, 12});
            QCOMPARE(button.isPressed(), pressedAfter);
            QCOMPARE(fill() > half, pressedAfter);
        }
    }
};

QTEST_MAIN(CToggleButtonTest)
#include "CToggleButtonTest.moc"
