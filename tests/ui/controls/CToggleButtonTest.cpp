#include "controls/CToggleButton.h"
#include "ControlTestSupport.h"
#include "controls/CToggleButtonPainter.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

using namespace control_test;
using Look = CToggleButtonPainter::Look;
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
    void lookFollowsTheFlags_data();
    void lookFollowsTheFlags();
    void looksAreDrawnInTheirColours_data();
    void looksAreDrawnInTheirColours();
    void clickFlipsAndPostsTheCommand();
    void ownerMayReleaseTheButtonAgain();
    void commandOfADestroyedButtonIsDropped();
    void spaceBarWorksLikeAClick();
    void mouseMovesReachTheParent_data();
    void mouseMovesReachTheParent();
    void heldButtonShowsTheLookItIsAboutToTake();
};

void CToggleButtonTest::lookFollowsTheFlags_data()
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

void CToggleButtonTest::lookFollowsTheFlags()
{
    QFETCH(bool, pressed);
    QFETCH(bool, held);
    QFETCH(bool, available);
    QFETCH(Look, look);
    QCOMPARE(CToggleButtonPainter::lookFor(pressed, held, available), look);
}

void CToggleButtonTest::looksAreDrawnInTheirColours_data()
{
    QTest::addColumn<bool>("pressed");
    QTest::addColumn<bool>("available");
    QTest::addColumn<bool>("blueCaption");
    QTest::addColumn<bool>("filled");
    QTest::newRow("raised, available") << false << true << true << false;
    QTest::newRow("raised, unavailable") << false << false << false << false;
    QTest::newRow("filled") << true << true << false << true;
}

void CToggleButtonTest::looksAreDrawnInTheirColours()
{
    QFETCH(bool, pressed);
    QFETCH(bool, available);
    QFETCH(bool, blueCaption);
    QFETCH(bool, filled);
    CToggleButtonPainter::State s;
    s.caption = QStringLiteral("88");
    s.pressed = pressed;
    s.available = available;
    QPalette pal = QApplication::palette();
    pal.setColor(QPalette::ButtonText, Qt::black);
    const QSize size(40, 24);
    const QImage image = render(
        size, [&](QPainter& p, const QRect& r) { CToggleButtonPainter::paint(p, r, s, pal, nullptr); });

    const int blue = countPixels(image, CToggleButtonPainter::availableCaptionColor());
    const int fill = countPixels(image, CToggleButtonPainter::filledColor());
    const int black = countPixels(image, Qt::black);
    if (blueCaption)
        QVERIFY2(blue > 5, qPrintable(QString::number(blue)));
    else
        QCOMPARE(blue, 0);
    if (filled) {
        QVERIFY2(fill > size.width() * size.height() / 2, qPrintable(QString::number(fill)));
        QVERIFY(black > 5);  // caption in the button-text colour
    } else {
        QCOMPARE(fill, 0);
    }
    if (!blueCaption && !filled)
        QVERIFY(black > 5);
}

void CToggleButtonTest::clickFlipsAndPostsTheCommand()
{
    CToggleButton button("3");
    button.setControlId(5007);
    button.resize(30, 20);
    QSignalSpy spy(&button, &CToggleButton::command);
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.isPressed());
    QCOMPARE(spy.count(), 0);  // posted: the owner sees it after the click is over
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 5007);
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(!button.isPressed());
    QTRY_COMPARE(spy.count(), 2);
}

void CToggleButtonTest::ownerMayReleaseTheButtonAgain()
{
    CToggleButton button("5");
    button.resize(30, 20);
    button.setAvailable(false);
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

void CToggleButtonTest::commandOfADestroyedButtonIsDropped()
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

void CToggleButtonTest::spaceBarWorksLikeAClick()
{
    CToggleButton button("2");
    QSignalSpy spy(&button, &CToggleButton::command);
    QTest::keyClick(&button, Qt::Key_Space);
    QVERIFY(button.isPressed());
    QTRY_COMPARE(spy.count(), 1);
}

void CToggleButtonTest::mouseMovesReachTheParent_data()
{
    QTest::addColumn<Qt::MouseButtons>("held");
    QTest::newRow("hovering") << Qt::MouseButtons(Qt::NoButton);
    QTest::newRow("while the button is held") << Qt::MouseButtons(Qt::LeftButton);
}

void CToggleButtonTest::mouseMovesReachTheParent()
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
    QCOMPARE(parent.positions.size(), 1);  // once: not again by propagation
    QCOMPARE(parent.positions.at(0), QPoint(60, 37));
    QCOMPARE(parent.buttons.at(0), Qt::MouseButtons(Qt::NoButton));
    if (held)
        release(button, {10, 7});
}

void CToggleButtonTest::heldButtonShowsTheLookItIsAboutToTake()
{
    CToggleButton button("9");
    button.resize(40, 24);
    const int area = 40 * 24;
    auto fillOf = [&] { return countPixels(button.grab().toImage(), CToggleButtonPainter::filledColor()); };
    QVERIFY(fillOf() < area / 4);
    press(&button, {20, 12});
    QVERIFY(fillOf() > area / 2);  // released and held: shows filled
    release(&button, {20, 12});
    QVERIFY(button.isPressed());
    QVERIFY(fillOf() > area / 2);
    press(&button, {20, 12});
    QVERIFY(fillOf() < area / 4);  // pressed and held: shows raised
    release(&button, {20, 12});
    QVERIFY(!button.isPressed());
}

QTEST_MAIN(CToggleButtonTest)
#include "CToggleButtonTest.moc"
