#include "controls/CListCtrlMoreNotifies.h"
#include "ControlTestSupport.h"
#include "controls/CToggleButton.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace control_test;

class CListCtrlMoreNotifiesTest : public QObject {
    Q_OBJECT
private slots:
    // 100 rows, scrolled to the middle; columns 120, 80 and the stretching rest.
    void init()
    {
        m_list = new CListCtrlMoreNotifies;
        m_list->setControlId(1234);
        m_list->setHeaderLabels({"Name", "Art", "Level"});
        m_list->header()->setStretchLastSection(true);
        for (int i = 0; i < 100; ++i)
            m_list->addTopLevelItem(new QTreeWidgetItem({QString("Item %1").arg(i), "aktiv", "1 2 3"}));
        m_list->setColumnWidth(0, 120);
        m_list->setColumnWidth(1, 80);
        m_list->resize(360, 200);
        m_list->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_list));
        m_list->setCurrentItem(m_list->topLevelItem(50));
        m_list->scrollToItem(m_list->topLevelItem(50), QAbstractItemView::PositionAtCenter);
    }
    void cleanup() { delete m_list; }

    // One report per user scroll, however many steps it takes (End, a wheel turn).
    void userScrollsReportOnce_data()
    {
        QTest::addColumn<int>("key");    // 0: a wheel turn instead
        QTest::addColumn<int>("wheel");  // 120 a notch up, -120 down; 1: a notch up at the top
        QTest::addColumn<int>("reports");
        QTest::newRow("page down") << int(Qt::Key_PageDown) << 0 << 1;
        QTest::newRow("page up") << int(Qt::Key_PageUp) << 0 << 1;
        QTest::newRow("home") << int(Qt::Key_Home) << 0 << 1;
        QTest::newRow("end") << int(Qt::Key_End) << 0 << 1;
        QTest::newRow("up (no scroll needed)") << int(Qt::Key_Up) << 0 << 1;
        QTest::newRow("down (no scroll needed)") << int(Qt::Key_Down) << 0 << 1;
        QTest::newRow("left") << int(Qt::Key_Left) << 0 << 1;
        QTest::newRow("right") << int(Qt::Key_Right) << 0 << 1;
        QTest::newRow("escape is no scroll key") << int(Qt::Key_Escape) << 0 << 0;
        QTest::newRow("F5 is no scroll key") << int(Qt::Key_F5) << 0 << 0;
        QTest::newRow("wheel down") << 0 << -120 << 1;
        QTest::newRow("wheel up") << 0 << 120 << 1;
        QTest::newRow("wheel up, already at the top") << 0 << 1 << 1;
    }
    void userScrollsReportOnce()
    {
        QFETCH(int, key);
        QFETCH(int, wheel);
        QFETCH(int, reports);
        if (wheel == 1)
            m_list->scrollToTop();
        QSignalSpy spy(m_list, &CListCtrlMoreNotifies::scrolled);
        const int before = m_list->verticalScrollBar()->value();
        if (key) {
            QTest::keyClick(m_list, Qt::Key(key));
        } else {
            const QPoint at(50, 50);
            const QPoint delta(0, wheel == 1 ? 120 : wheel);
            QWheelEvent turn(at, m_list->viewport()->mapToGlobal(at), QPoint(), delta, Qt::NoButton,
                             Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(m_list->viewport(), &turn);
        }
        QCOMPARE(spy.count(), reports);
        if (reports)
            QCOMPARE(spy.at(0).at(0).toInt(), 1234);
        if (key == Qt::Key_End || !key)  // it did scroll (the wheel at the top cannot)
            QCOMPARE(m_list->verticalScrollBar()->value() != before, wheel != 1);
    }

    void scrollBarAndProgramScrollsReport()
    {
        QSignalSpy spy(m_list, &CListCtrlMoreNotifies::scrolled);
        m_list->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(spy.count(), 1);
        m_list->horizontalScrollBar()->setValue(0);  // already there: nothing moved
        QCOMPARE(spy.count(), 1);
        // Level buttons must be placed again whenever the contents move, whoever moved them.
        m_list->scrollToItem(m_list->topLevelItem(0));
        QCOMPARE(spy.count(), 2);
    }

    void hoverReportsRowColumnAndPosition_data()
    {
        QTest::addColumn<int>("row");  // -1: below the only row
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("overLevelButton");
        QTest::newRow("cell") << 3 << 1 << false;
        QTest::newRow("level button on a cell passes the move on") << 4 << 2 << true;
        QTest::newRow("below the last row: nothing") << -1 << 0 << false;
    }
    void hoverReportsRowColumnAndPosition()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, overLevelButton);
        QSignalSpy spy(m_list, &CListCtrlMoreNotifies::itemHovered);
        QWidget* viewport = m_list->viewport();
        if (row < 0) {
            m_list->clear();
            m_list->addTopLevelItem(new QTreeWidgetItem({"only"}));
            move(viewport, {20, viewport->height() - 5});
            QCOMPARE(spy.count(), 0);
            return;
        }
        m_list->scrollToTop();
        const QPoint at = m_list->visualRect(m_list->model()->index(row, column)).center();
        QWidget* target = viewport;
        if (overLevelButton) {
            target = new CToggleButton("2", viewport);
            target->setGeometry(at.x() - 12, at.y() - 8, 24, 16);
            target->show();
        }
        move(target, target->mapFrom(viewport, at));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 1234);
        QCOMPARE(spy.at(0).at(1).toInt(), row);
        QCOMPARE(spy.at(0).at(2).toInt(), column);
        QCOMPARE(spy.at(0).at(3).toPoint(), at);
        move(target, target->mapFrom(viewport, at) + QPoint(1, 0));  // every move: the tooltip's rest timer
        QCOMPARE(spy.count(), 2);
    }

    void dividerDragIsTracked()
    {
        QSignalSpy begin(m_list, &CListCtrlMoreNotifies::columnTrackBegin);
        QSignalSpy track(m_list, &CListCtrlMoreNotifies::columnTrack);
        QSignalSpy end(m_list, &CListCtrlMoreNotifies::columnTrackEnd);
        QWidget* header = m_list->header()->viewport();
        // The divider between "Art" and "Level", grabbed just right of it (the left edge of
        // "Level" belongs to the divider before it).
        const int divider = 120 + 80;
        const int y = m_list->header()->height() / 2;
        press(header, {divider + 1, y});
        QCOMPARE(begin.count(), 1);
        QCOMPARE(begin.at(0).at(0).toInt(), 1234);
        QCOMPARE(begin.at(0).at(1).toInt(), 1);
        QCOMPARE(m_list->trackedColumn(), 1);
        move(header, {divider + 11, y}, Qt::LeftButton);
        move(header, {divider + 31, y}, Qt::LeftButton);
        release(header, {divider + 31, y});
        QVERIFY(track.count() >= 2);
        for (const auto& args : track)
            QCOMPARE(args.at(1).toInt(), 1);  // not the stretching last column
        QCOMPARE(track.last().at(2).toInt(), 110);
        QCOMPARE(end.count(), 1);
        QCOMPARE(end.at(0).at(1).toInt(), 1);
        QCOMPARE(end.at(0).at(2).toInt(), 110);
        QCOMPARE(m_list->columnWidth(1), 110);
        QCOMPARE(m_list->trackedColumn(), -1);
    }

    // A drag inside a section and the program's own resizes are no column track.
    void nothingElseIsATrack()
    {
        QSignalSpy begin(m_list, &CListCtrlMoreNotifies::columnTrackBegin);
        QSignalSpy track(m_list, &CListCtrlMoreNotifies::columnTrack);
        QSignalSpy end(m_list, &CListCtrlMoreNotifies::columnTrackEnd);
        QWidget* header = m_list->header()->viewport();
        const int y = m_list->header()->height() / 2;
        press(header, {60, y});
        move(header, {90, y}, Qt::LeftButton);
        release(header, {90, y});
        m_list->setColumnWidth(0, 150);
        m_list->resizeColumnToContents(1);
        QCOMPARE(begin.count() + track.count() + end.count(), 0);
    }

private:
    CListCtrlMoreNotifies* m_list = nullptr;
};

QTEST_MAIN(CListCtrlMoreNotifiesTest)
#include "CListCtrlMoreNotifiesTest.moc"
