#include "controls/CButtonSelect.h"
#include "ControlTestSupport.h"
#include "controls/CButtonSelectPainter.h"

#include <QSignalSpy>
#include <QtTest>

using namespace control_test;
using Painter = CButtonSelectPainter;

class CButtonSelectTest : public QObject {
    Q_OBJECT
private slots:
    void clicksAndSpaceFlipTheState_data()
    {
        QTest::addColumn<bool>("space");
        QTest::addColumn<int>("times");
        QTest::newRow("one click") << false << 1;
        QTest::newRow("two clicks") << false << 2;
        QTest::newRow("five clicks") << false << 5;
        QTest::newRow("space bar once") << true << 1;
        QTest::newRow("space bar twice") << true << 2;
    }
    void clicksAndSpaceFlipTheState()
    {
        QFETCH(bool, space);
        QFETCH(int, times);
        CButtonSelect button("Wahl");
        button.resize(80, 40);
        QSignalSpy spy(&button, &CButtonSelect::stateChanged);
        QVERIFY(!button.state());  // unselected when created
        for (int i = 0; i < times; ++i)
            space ? QTest::keyClick(&button, Qt::Key_Space) : QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(button.state(), times % 2 == 1);
        QCOMPARE(spy.count(), times);
        for (int i = 0; i < times; ++i)
            QCOMPARE(spy.at(i).at(0).toBool(), i % 2 == 0);
    }

    void arrowBendsToTheSelectedSide_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("selected");
        QTest::newRow("wide, selected: right") << QSize(120, 60) << true;
        QTest::newRow("wide, unselected: left") << QSize(120, 60) << false;
        QTest::newRow("tall, selected: right") << QSize(60, 100) << true;
        QTest::newRow("tall, unselected: left") << QSize(60, 100) << false;
    }
    void arrowBendsToTheSelectedSide()
    {
        QFETCH(QSize, size);
        QFETCH(bool, selected);
        Painter::State s;
        s.selected = selected;
        const QImage image = paintState<Painter>(size, s);
        // The lower half inside the frame, either side of the centre column.
        const int w = size.width(), h = size.height();
        const int left = countDark(image, QRect(5, h / 2 + 2, w / 2 - 8, h / 2 - 7));
        const int right = countDark(image, QRect(w / 2 + 3, h / 2 + 2, w / 2 - 8, h / 2 - 7));
        const int shown = selected ? right : left;
        const int other = selected ? left : right;
        QVERIFY2(shown >= w / 3 - 4 && other == 0, qPrintable(QStringLiteral("%1 %2").arg(shown).arg(other)));
        // The tip stays inside the frame, whatever the proportions.
        const QPoint tip = Painter::arrowFor(image.rect(), selected).tip;
        QVERIFY(image.rect().adjusted(1, 1, -1, -1).contains(tip));
    }

    void captionAboveTheArrowAndHeldLook()
    {
        const QSize size(120, 60);
        Painter::State s;
        const QImage plain = paintState<Painter>(size, s);
        s.caption = QStringLiteral("MMMM");
        const QImage captioned = paintState<Painter>(size, s);
        QVERIFY(countDark(captioned, {8, 4, 104, 24}) > countDark(plain, {8, 4, 104, 24}) + 20);
        // Nothing of the caption reaches the lower half where the arrow runs.
        QCOMPARE(countDark(captioned, {8, 31, 104, 24}), countDark(plain, {8, 31, 104, 24}));

        // The widget shows itself pushed while the mouse holds it down.
        CButtonSelect button;
        button.resize(size);
        const QImage idle = button.grab().toImage();
        press(&button, {60, 30});
        QVERIFY(button.isDown());
        QVERIFY(button.grab().toImage() != idle);
        release(&button, {60, 30});
    }
};

QTEST_MAIN(CButtonSelectTest)
#include "CButtonSelectTest.moc"
