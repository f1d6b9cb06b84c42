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
    void init();
    void cleanup();
    void keysReportScrolling_data();
    void keysReportScrolling();
    void wheelReportsOncePerTurn_data();
    void wheelReportsOncePerTurn();
    void scrollBarAndProgramScrollsReport();
    void hoverReportsRowColumnAndPosition();
    void hoverBelowTheLastRowReportsNothing();
    void movesOverALevelButtonReachTheList();
    void dividerDragIsTracked();
    void dragInsideASectionIsNoTrack();
    void programResizeIsNoTrack();

private:
    CListCtrlMoreNotifies* m_list = nullptr;
};

void CListCtrlMoreNotifiesTest::init()
{
    m_list = new CListCtrlMoreNotifies;
    m_list->setControlId(1234);
    m_list->setHeaderLabels({"Name", "Art", "Level"});
    m_list->header()->setStretchLastSection(true);
    for (int i = 0; i < 100; ++i)
        m_list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("Item %1").arg(i), "aktiv", "1 2 3"}));
    m_list->setColumnWidth(0, 120);
    m_list->setColumnWidth(1, 80);
    m_list->resize(360, 200);
    m_list->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_list));
    m_list->setCurrentItem(m_list->topLevelItem(50));
    m_list->scrollToItem(m_list->topLevelItem(50), QAbstractItemView::PositionAtCenter);
}

void CListCtrlMoreNotifiesTest::cleanup()
{
    delete m_list;
    m_list = nullptr;
}

void CListCtrlMoreNotifiesTest::keysReportScrolling_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("reports");
    QTest::newRow("page down") << int(Qt::Key_PageDown) << 1;
    QTest::newRow("page up") << int(Qt::Key_PageUp) << 1;
    QTest::newRow("home") << int(Qt::Key_Home) << 1;
    QTest::newRow("end") << int(Qt::Key_End) << 1;
    QTest::newRow("up (no scroll needed)") << int(Qt::Key_Up) << 1;
    QTest::newRow("down (no scroll needed)") << int(Qt::Key_Down) << 1;
    QTest::newRow("left") << int(Qt::Key_Left) << 1;
    QTest::newRow("right") << int(Qt::Key_Right) << 1;
    QTest::newRow("escape is no scroll key") << int(Qt::Key_Escape) << 0;
    QTest::newRow("F5 is no scroll key") << int(Qt::Key_F5) << 0;
}

void CListCtrlMoreNotifiesTest::keysReportScrolling()
{
    QFETCH(int, key);
    QFETCH(int, reports);
    QSignalSpy spy(m_list, &CListCtrlMoreNotifies::scrolled);
    const int before = m_list->verticalScrollBar()->value();
    QTest::keyClick(m_list, Qt::Key(key));
    QCOMPARE(spy.count(), reports);
    if (reports)
        QCOMPARE(spy.at(0).at(0).toInt(), 1234);
    if (key == Qt::Key_End)
        QVERIFY(m_list->verticalScrollBar()->value() > before);  // and it did scroll, once reported
}

void CListCtrlMoreNotifiesTest::wheelReportsOncePerTurn_data()
{
    QTest::addColumn<bool>("atTop");
    QTest::addColumn<int>("delta");
    QTest::newRow("scrolls down") << false << -120;
    QTest::newRow("scrolls up") << false << 120;
    QTest::newRow("already at the top") << true << 120;
}

void CListCtrlMoreNotifiesTest::wheelReportsOncePerTurn()
{
    QFETCH(bool, atTop);
    QFETCH(int, delta);
    if (atTop)
        m_list->scrollToTop();
    QSignalSpy spy(m_list, &CListCtrlMoreNotifies::scrolled);
    const int before = m_list->verticalScrollBar()->value();
    const QPoint at(50, 50);
    QWheelEvent wheel(at, m_list->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_list->viewport(), &wheel);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(m_list->verticalScrollBar()->value() != before, !atTop);
}

void CListCtrlMoreNotifiesTest::scrollBarAndProgramScrollsReport()
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

void CListCtrlMoreNotifiesTest::hoverReportsRowColumnAndPosition()
{
    m_list->scrollToTop();
    QSignalSpy spy(m_list, &CListCtrlMoreNotifies::itemHovered);
    const QRect cell = m_list->visualRect(m_list->model()->index(3, 1));
    const QPoint at = cell.center();
    move(m_list->viewport(), at);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 1234);
    QCOMPARE(spy.at(0).at(1).toInt(), 3);
    QCOMPARE(spy.at(0).at(2).toInt(), 1);
    QCOMPARE(spy.at(0).at(3).toPoint(), at);
    move(m_list->viewport(), at + QPoint(1, 0));  // every move, for the tooltip's rest timer
    QCOMPARE(spy.count(), 2);
}

void CListCtrlMoreNotifiesTest::hoverBelowTheLastRowReportsNothing()
{
    m_list->clear();
    m_list->addTopLevelItem(new QTreeWidgetItem({"only"}));
    QSignalSpy spy(m_list, &CListCtrlMoreNotifies::itemHovered);
    move(m_list->viewport(), {20, m_list->viewport()->height() - 5});
    QCOMPARE(spy.count(), 0);
}

void CListCtrlMoreNotifiesTest::movesOverALevelButtonReachTheList()
{
    m_list->scrollToTop();
    const QRect cell = m_list->visualRect(m_list->model()->index(4, 2));
    auto* button = new CToggleButton("2", m_list->viewport());
    button->setGeometry(cell.left() + 2, cell.top(), 24, cell.height());
    button->show();
    QSignalSpy spy(m_list, &CListCtrlMoreNotifies::itemHovered);
    move(button, {5, cell.height() / 2});
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).toInt(), 4);
    QCOMPARE(spy.at(0).at(2).toInt(), 2);
    QCOMPARE(spy.at(0).at(3).toPoint(), QPoint(cell.left() + 7, cell.top() + cell.height() / 2));
}

void CListCtrlMoreNotifiesTest::dividerDragIsTracked()
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

void CListCtrlMoreNotifiesTest::dragInsideASectionIsNoTrack()
{
    QSignalSpy begin(m_list, &CListCtrlMoreNotifies::columnTrackBegin);
    QSignalSpy track(m_list, &CListCtrlMoreNotifies::columnTrack);
    QSignalSpy end(m_list, &CListCtrlMoreNotifies::columnTrackEnd);
    QWidget* header = m_list->header()->viewport();
    const int y = m_list->header()->height() / 2;
    press(header, {60, y});
    move(header, {90, y}, Qt::LeftButton);
    release(header, {90, y});
    QCOMPARE(begin.count(), 0);
    QCOMPARE(track.count(), 0);
    QCOMPARE(end.count(), 0);
}

void CListCtrlMoreNotifiesTest::programResizeIsNoTrack()
{
    QSignalSpy track(m_list, &CListCtrlMoreNotifies::columnTrack);
    m_list->setColumnWidth(0, 150);
    m_list->resizeColumnToContents(1);
    QCOMPARE(track.count(), 0);
}

QTEST_MAIN(CListCtrlMoreNotifiesTest)
#include "CListCtrlMoreNotifiesTest.moc"
