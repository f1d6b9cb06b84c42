#include "controls/CButtonSelect.h"
#include "ControlTestSupport.h"
#include "controls/CButtonSelectPainter.h"

#include <QSignalSpy>
#include <QtTest>

using namespace control_test;

class CButtonSelectTest : public QObject {
    Q_OBJECT
private slots:
    void clicksFlipTheState_data();
    void clicksFlipTheState();
    void spaceBarFlipsLikeAClick();
    void arrowGeometry_data();
    void arrowGeometry();
    void arrowIsDrawnOnTheSelectedSide_data();
    void arrowIsDrawnOnTheSelectedSide();
    void captionSitsAboveTheArrow();
    void heldButtonIsDrawnPushed();
};

void CButtonSelectTest::clicksFlipTheState_data()
{
    QTest::addColumn<int>("clicks");
    QTest::newRow("none") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("two") << 2;
    QTest::newRow("five") << 5;
}

void CButtonSelectTest::clicksFlipTheState()
{
    QFETCH(int, clicks);
    CButtonSelect button("Wahl");
    button.resize(80, 40);
    QSignalSpy spy(&button, &CButtonSelect::stateChanged);
    QVERIFY(!button.state());  // unselected when created
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(button.state(), clicks % 2 == 1);
    QCOMPARE(spy.count(), clicks);
    for (int i = 0; i < clicks; ++i)
        QCOMPARE(spy.at(i).at(0).toBool(), i % 2 == 0);
}

void CButtonSelectTest::spaceBarFlipsLikeAClick()
{
    CButtonSelect button("Wahl");
    QTest::keyClick(&button, Qt::Key_Space);
    QVERIFY(button.state());
    QTest::keyClick(&button, Qt::Key_Space);
    QVERIFY(!button.state());
}

void CButtonSelectTest::arrowGeometry_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("corner");
    QTest::addColumn<QPoint>("tip");
    // 90 x 40: centre (45,20); a quarter of 40 is 10, a third of 90 is 30.
    QTest::newRow("selected bends right")
        << QRect(0, 0, 90, 40) << true << QPoint(45, 20) << QPoint(75, 30) << QPoint(75, 35);
    QTest::newRow("unselected bends left")
        << QRect(0, 0, 90, 40) << false << QPoint(45, 20) << QPoint(15, 30) << QPoint(15, 35);
    // Tall button: the second quarter ends inside the frame (bottom 99 less the inset).
    QTest::newRow("tall button") << QRect(0, 0, 60, 100) << true << QPoint(30, 50) << QPoint(50, 75)
                                 << QPoint(50, 95);
    QTest::newRow("offset rect") << QRect(10, 20, 90, 40) << false << QPoint(55, 40) << QPoint(25, 50)
                                 << QPoint(25, 55);
}

void CButtonSelectTest::arrowGeometry()
{
    QFETCH(QRect, rect);
    QFETCH(bool, selected);
    QFETCH(QPoint, start);
    QFETCH(QPoint, corner);
    QFETCH(QPoint, tip);
    const auto a = CButtonSelectPainter::arrowFor(rect, selected);
    QCOMPARE(a.start, start);
    QCOMPARE(a.bend, QPoint(start.x(), corner.y()));
    QCOMPARE(a.corner, corner);
    QCOMPARE(a.tip, tip);
    QCOMPARE(a.headLeft, tip + QPoint(-3, -3));
    QCOMPARE(a.headRight, tip + QPoint(3, -3));
    QVERIFY(rect.adjusted(1, 1, -1, -1).contains(a.tip));
}

void CButtonSelectTest::arrowIsDrawnOnTheSelectedSide_data()
{
    QTest::addColumn<bool>("selected");
    QTest::newRow("selected") << true;
    QTest::newRow("not selected") << false;
}

void CButtonSelectTest::arrowIsDrawnOnTheSelectedSide()
{
    QFETCH(bool, selected);
    const QSize size(120, 60);
    CButtonSelectPainter::State s;
    s.selected = selected;
    const QPalette pal = QApplication::palette();
    const QImage image = render(
        size, [&](QPainter& p, const QRect& r) { CButtonSelectPainter::paint(p, r, s, pal, nullptr); });
    // The sideways stroke runs along y = 30 + 15 = 45 between the centre and a third out.
    const QRect right(64, 44, 30, 3);
    const QRect left(26, 44, 30, 3);
    const int onRight = countDark(image, right);
    const int onLeft = countDark(image, left);
    if (selected) {
        QVERIFY2(onRight >= 25 && onLeft == 0, qPrintable(QStringLiteral("%1 %2").arg(onRight).arg(onLeft)));
    } else {
        QVERIFY2(onLeft >= 25 && onRight == 0, qPrintable(QStringLiteral("%1 %2").arg(onRight).arg(onLeft)));
    }
}

void CButtonSelectTest::captionSitsAboveTheArrow()
{
    const QSize size(120, 60);
    const QPalette pal = QApplication::palette();
    auto draw = [&](const QString& caption) {
        CButtonSelectPainter::State s;
        s.caption = caption;
        return render(
            size, [&](QPainter& p, const QRect& r) { CButtonSelectPainter::paint(p, r, s, pal, nullptr); });
    };
    const QImage with = draw(QStringLiteral("MMMM"));
    const QImage without = draw(QString());
    const QRect topBand(8, 4, 104, 24);
    QVERIFY(countDark(with, topBand) > countDark(without, topBand) + 20);
    // Nothing of the caption reaches the lower half where the arrow runs.
    const QRect lowerHalf(8, 31, 104, 24);
    QCOMPARE(countDark(with, lowerHalf), countDark(without, lowerHalf));
}

void CButtonSelectTest::heldButtonIsDrawnPushed()
{
    const QSize size(120, 60);
    const QPalette pal = QApplication::palette();
    auto draw = [&](bool held) {
        CButtonSelectPainter::State s;
        s.held = held;
        return render(
            size, [&](QPainter& p, const QRect& r) { CButtonSelectPainter::paint(p, r, s, pal, nullptr); });
    };
    QVERIFY(draw(true) != draw(false));

    // And the widget shows it while the mouse holds it down.
    CButtonSelect button;
    button.resize(size);
    const QImage idle = button.grab().toImage();
    press(&button, {60, 30});
    QVERIFY(button.isDown());
    const QImage held = button.grab().toImage();
    release(&button, {60, 30});
    QVERIFY(idle != held);
}

QTEST_MAIN(CButtonSelectTest)
#include "CButtonSelectTest.moc"
