#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include <memory>

#include "markup/CRichTooltip.h"
#include "markup/QtMarkupSurface.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"

class CRichTooltipTest : public QObject {
    Q_OBJECT

private:
    QWidget* m_page = nullptr;
    QLabel* m_a = nullptr;
    QLabel* m_b = nullptr;
    CRichTooltip* m_tip = nullptr;
    QPoint m_pointer;

    // A mouse move over the widget, relayed as a page does, with the pointer there.
    void moveTo(QWidget* w, QPoint local)
    {
        m_pointer = w->mapToGlobal(local);
        QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(m_pointer), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        m_tip->relayEvent(w, &move);
    }
    void restOn(QWidget* w, QPoint local = QPoint(5, 5))
    {
        moveTo(w, local);
        QTRY_VERIFY_WITH_TIMEOUT(m_tip->isTipShown(), 1000);
    }
    MarkupSize measured(const std::string& text)
    {
        QtMarkupSurface surface(nullptr, m_tip->baseFont());
        CRichMarkupRenderer renderer(m_tip->colors());
        return renderer.Render(surface, text, {0, 0, 0}, MarkupPass::Measure);
    }
    void fullScreenPage()
    {
        m_page->setGeometry(QGuiApplication::primaryScreen()->geometry());
        m_tip->removeAllTools();
        m_tip->addTool(m_page, "<b>Edge</b><br>tip text");
    }

private slots:
    void initTestCase() { QuietUnsupportedPlatformWarnings(); }
    void init()
    {
        m_page = new QWidget;
        m_page->setGeometry(100, 100, 400, 300);
        m_a = new QLabel("A", m_page);
        m_a->setGeometry(10, 10, 100, 30);
        m_b = new QLabel("B", m_page);
        m_b->setGeometry(10, 60, 100, 30);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page));
        m_tip = new CRichTooltip(m_page);
        m_tip->setHideDelay(0);
        m_tip->setShadow(true);
        m_tip->setKeepWhileOnTool(true);
        m_tip->setInitialDelay(0);
        m_tip->setPointerSource([this] { return m_pointer; });
        m_tip->addTool(m_a, "<b>Alpha</b>");
        m_tip->addTool(m_b, "Beta<br>two lines");
    }
    void cleanup()
    {
        delete m_page;
        m_page = nullptr;
    }

    void showsAfterTheInitialDelay_data()
    {
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("notYetAt");
        QTest::newRow("zero shows as soon as the pointer rests") << 0 << -1;
        QTest::newRow("150 ms") << 150 << 60;
        QTest::newRow("400 ms") << 400 << 250;
    }
    void showsAfterTheInitialDelay()
    {
        QFETCH(int, delay);
        QFETCH(int, notYetAt);
        m_tip->setInitialDelay(delay);
        QElapsedTimer clock;
        clock.start();
        moveTo(m_a, QPoint(5, 5));
        QCOMPARE(m_tip->isTipShown(), false);
        QCOMPARE(m_tip->waitingTool(), 0);
        if (notYetAt >= 0) {
            QTest::qWait(notYetAt);
            QVERIFY(!m_tip->isTipShown());
        }
        QTRY_VERIFY_WITH_TIMEOUT(m_tip->isTipShown(), delay + 1000);
        QVERIFY(clock.elapsed() >= delay);
        QCOMPARE(m_tip->currentTool(), 0);
        QCOMPARE(m_tip->waitingTool(), -1);
    }

    void longestDelayWaitsFiveSeconds()
    {
        m_tip->setInitialDelay(5000);
        moveTo(m_a, QPoint(5, 5));
        QVERIFY(m_tip->remainingShowDelay() > 4900);
        QVERIFY(m_tip->remainingShowDelay() <= 5000);
        QTest::qWait(50);
        QVERIFY(!m_tip->isTipShown());
    }

    void delayIsKeptInItsRange()
    {
        m_tip->setInitialDelay(-20);
        QCOMPARE(m_tip->initialDelay(), 0);
        m_tip->setInitialDelay(99999);
        QCOMPARE(m_tip->initialDelay(), 5000);
        CRichTooltip fresh(m_page);
        QCOMPARE(fresh.initialDelay(), 500);
        QCOMPARE(fresh.hideDelay(), 5000);
    }

    void everyMoveRestartsTheDelay()
    {
        m_tip->setInitialDelay(200);
        moveTo(m_a, QPoint(5, 5));
        QTest::qWait(120);
        moveTo(m_a, QPoint(6, 5));
        QTest::qWait(120);
        QVERIFY2(!m_tip->isTipShown(), "shown before the pointer rested for the whole delay");
        QTRY_VERIFY_WITH_TIMEOUT(m_tip->isTipShown(), 1000);
    }

    void pointerMovedWithoutAMoveShowsNothing()
    {
        m_tip->setInitialDelay(30);
        moveTo(m_a, QPoint(5, 5));
        m_pointer += QPoint(3, 0);
        QTest::qWait(120);
        QVERIFY(!m_tip->isTipShown());
    }

    void pressHidesAtOnce_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("key") << int(QEvent::KeyPress);
        QTest::newRow("mouse button") << int(QEvent::MouseButtonPress);
        QTest::newRow("double click") << int(QEvent::MouseButtonDblClick);
        QTest::newRow("frame button") << int(QEvent::NonClientAreaMouseButtonPress);
    }
    void pressHidesAtOnce()
    {
        QFETCH(int, type);
        restOn(m_a);
        std::unique_ptr<QEvent> press;
        if (type == QEvent::KeyPress)
            press = std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        else
            press = std::make_unique<QMouseEvent>(QEvent::Type(type), QPointF(5, 5), QPointF(m_pointer),
                                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        m_tip->relayEvent(m_a, press.get());
        QVERIFY(!m_tip->isTipShown());
        // Stays hidden while the pointer stays on the tool …
        moveTo(m_a, QPoint(8, 8));
        QTest::qWait(60);
        QVERIFY(!m_tip->isTipShown());
        // … and comes back after it has left.
        moveTo(m_page, QPoint(300, 250));
        restOn(m_a);
    }

    void pressWhileWaitingCancelsTheTip()
    {
        m_tip->setInitialDelay(80);
        moveTo(m_a, QPoint(5, 5));
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
        m_tip->relayEvent(m_a, &key);
        QTest::qWait(200);
        QVERIFY(!m_tip->isTipShown());
    }

    void switchesToAnotherToolAtOnce()
    {
        m_tip->setInitialDelay(300);
        restOn(m_a);
        const QSize alpha = m_tip->size();
        moveTo(m_b, QPoint(5, 5));
        QVERIFY2(m_tip->isTipShown(), "the tip waited before switching");
        QCOMPARE(m_tip->currentTool(), 1);
        QVERIFY(m_tip->size() != alpha);
    }

    void leavingAllToolsHides()
    {
        restOn(m_a);
        moveTo(m_page, QPoint(300, 250));
        QVERIFY(!m_tip->isTipShown());
        QCOMPARE(m_tip->currentTool(), -1);
    }

    void emptyTextShowsNothing()
    {
        m_tip->updateTipText(m_a, "");
        moveTo(m_a, QPoint(5, 5));
        QTest::qWait(60);
        QVERIFY(!m_tip->isTipShown());
    }

    void newTextOfTheShownToolShowsAtOnce()
    {
        restOn(m_a);
        const int before = m_tip->width();
        m_tip->updateTipText(m_a, "<b>Alpha</b> with a much longer text");
        QVERIFY(m_tip->isTipShown());
        QVERIFY(m_tip->width() > before);
        m_tip->updateTipText(m_a, "");
        QVERIFY(!m_tip->isTipShown());
    }

    void updatingAnUnknownWindowAddsATool()
    {
        QLabel c("C", m_page);
        c.setGeometry(200, 10, 50, 20);
        c.show();
        m_tip->updateTipText(&c, "Gamma");
        QCOMPARE(m_tip->toolCount(), 3);
        QCOMPARE(m_tip->toolText(2), std::string("Gamma"));
        restOn(&c);
        QCOMPARE(m_tip->currentTool(), 2);
        m_tip->removeAllTools();
        QCOMPARE(m_tip->toolCount(), 0);
        QVERIFY(!m_tip->isTipShown());
    }

    void toolRectangleLimitsTheArea()
    {
        m_tip->removeAllTools();
        m_tip->addTool(m_page, "left half", QRect(0, 0, 200, 300));
        m_tip->addTool(m_page, "right half", QRect(200, 0, 200, 300));
        restOn(m_page, QPoint(250, 150));
        QCOMPARE(m_tip->currentTool(), 1);
        moveTo(m_page, QPoint(50, 150));
        QCOMPARE(m_tip->currentTool(), 0);
    }

    void hideDelay_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<bool>("shownAfter");
        QTest::newRow("hides after the delay") << false << false;
        QTest::newRow("kept while on the tool") << true << true;
    }
    void hideDelay()
    {
        QFETCH(bool, keep);
        QFETCH(bool, shownAfter);
        m_tip->setHideDelay(80);
        m_tip->setKeepWhileOnTool(keep);
        restOn(m_a);
        QTest::qWait(250);
        QCOMPARE(m_tip->isTipShown(), shownAfter);
    }

    void sizeComesFromTheLayout()
    {
        const std::string text = "<al_c><b>Title</b><br><hr=100%><br><al>Body text";
        m_tip->updateTipText(m_a, text);
        restOn(m_a);
        const MarkupSize size = measured(text);
        QVERIFY(size.width > 0);
        QCOMPARE(m_tip->width(), size.width + 2 * 12 + 4 + 2);
        QCOMPARE(m_tip->height(), size.height + 16 + 2 * 12 + 4 + 2);
        QCOMPARE(m_tip->balloonGeometry().text.Width(), size.width);
        m_tip->setShadow(false);
        moveTo(m_page, QPoint(300, 250));
        restOn(m_a);
        QCOMPARE(m_tip->width(), size.width + 2 * 12 + 2);
    }

    void placementAtTheScreenEdges_data()
    {
        QTest::addColumn<QPoint>("offset");  // from the screen's top-left (negative: from bottom/right)
        QTest::addColumn<int>("direction");
        QTest::newRow("middle: right and below") << QPoint(200, 200) << 3;
        QTest::newRow("right edge: opens to the left") << QPoint(-5, 200) << 2;
        QTest::newRow("bottom edge: opens above") << QPoint(200, -5) << 1;
        QTest::newRow("bottom right corner") << QPoint(-5, -5) << 0;
        QTest::newRow("top left corner") << QPoint(2, 2) << 3;
    }
    void placementAtTheScreenEdges()
    {
        QFETCH(QPoint, offset);
        QFETCH(int, direction);
        fullScreenPage();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint global(offset.x() >= 0 ? screen.left() + offset.x() : screen.right() + offset.x(),
                            offset.y() >= 0 ? screen.top() + offset.y() : screen.bottom() + offset.y());
        restOn(m_page, m_page->mapFromGlobal(global));
        QCOMPARE(m_tip->balloonGeometry().direction, direction);
        const QRect tip = m_tip->geometry();
        // The anchor side lies at the pointer, the balloon on the screen.
        if (direction & 1)
            QVERIFY(tip.left() <= global.x() && tip.left() >= std::max(screen.left(), global.x() - 16));
        else
            QVERIFY(tip.right() >= global.x() - 1 && tip.right() <= global.x() + 16 + 4 + 2);
        if (direction & 2)
            QCOMPARE(tip.top(), global.y() + (direction == 2 ? 4 : 0));
        else
            QCOMPARE(tip.top() + m_tip->height() - 2, global.y() + ((direction == 0) ? 4 : 0));
        QVERIFY(tip.left() >= screen.left());
        QVERIFY(tip.top() >= screen.top());
        QVERIFY(tip.right() <= screen.right() + 6);
        QVERIFY(tip.bottom() <= screen.bottom() + 6);
    }

    void listFeed()
    {
        QLabel list("list", m_page);
        list.setGeometry(150, 10, 200, 200);
        list.show();
        m_tip->setInitialDelay(40);
        m_pointer = list.mapToGlobal(QPoint(10, 10));
        m_tip->itemHovered(&list, "Row one", m_pointer);
        QTRY_VERIFY_WITH_TIMEOUT(m_tip->isTipShown(), 1000);
        const int index = m_tip->currentTool();
        QCOMPARE(m_tip->toolText(index), std::string("Row one"));
        // Another row under a shown tip: its text at once, at the new place.
        const int width = m_tip->width();
        m_pointer = list.mapToGlobal(QPoint(10, 40));
        m_tip->itemHovered(&list, "Row two is longer", m_pointer);
        QVERIFY(m_tip->isTipShown());
        QVERIFY(m_tip->width() > width);
        QCOMPARE(m_tip->geometry().top(), m_pointer.y());
        // Scrolling hides it; resting again on the same spot brings the new row's tip.
        m_tip->itemsScrolled();
        QVERIFY(!m_tip->isTipShown());
        m_tip->itemHovered(&list, "Row five", m_pointer);
        QVERIFY(!m_tip->isTipShown());
        QTRY_VERIFY_WITH_TIMEOUT(m_tip->isTipShown(), 1000);
        QCOMPARE(m_tip->toolText(index), std::string("Row five"));
    }

    void listRowWithoutTextThenWithText()
    {
        QLabel list("list", m_page);
        list.setGeometry(150, 10, 200, 200);
        list.show();
        m_pointer = list.mapToGlobal(QPoint(10, 10));
        m_tip->itemHovered(&list, "", m_pointer);
        QTest::qWait(50);
        QVERIFY(!m_tip->isTipShown());
        m_pointer = list.mapToGlobal(QPoint(10, 30));
        m_tip->itemHovered(&list, "Style row", m_pointer);
        QTRY_VERIFY_WITH_TIMEOUT(m_tip->isTipShown(), 1000);
    }

    void watchedTreeRelaysItsEvents()
    {
        m_tip->watch(m_page);
        QVERIFY(m_a->hasMouseTracking());
        QLabel* late = new QLabel("late", m_page);
        late->setGeometry(200, 200, 50, 20);
        late->show();
        QVERIFY(late->hasMouseTracking());
        m_tip->addTool(late, "Late tool");
        m_pointer = late->mapToGlobal(QPoint(3, 3));
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(m_pointer), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(late, &move);
        QTRY_VERIFY_WITH_TIMEOUT(m_tip->isTipShown(), 1000);
        QCOMPARE(m_tip->toolText(m_tip->currentTool()), std::string("Late tool"));
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(late, &key);
        QVERIFY(!m_tip->isTipShown());
    }

    void hidingThePageHidesTheTip()
    {
        restOn(m_a);
        m_page->hide();
        QVERIFY(!m_tip->isTipShown());
    }

    void paintsBalloonFrameAndColouredText()
    {
        m_tip->updateTipText(m_a, "<ct=0xFF>RRRRRR</ct><br><hr=100%><br>plain");
        restOn(m_a);
        const QImage image = m_tip->grab().toImage();
        const BalloonGeometry& g = m_tip->balloonGeometry();
        const MarkupPalette& colors = m_tip->colors();
        const QColor back = QtMarkupSurface::ToQColor(colors[19]);
        const QRect text(g.text.left, g.text.top, g.text.Width(), g.text.Height());
        const qreal dpr = image.devicePixelRatio();
        const QRect textPixels(int(text.left() * dpr), int(text.top() * dpr), int(text.width() * dpr),
                               int(text.height() * dpr));
        QVERIFY(CountPixels(image, textPixels, back, 8) > textPixels.width() * textPixels.height() / 3);
        QVERIFY2(CountPixels(image, textPixels, QColor(255, 0, 0), 60) > 10, "no red text drawn");
        // The rule spans the text area's width.
        const QColor ink = QtMarkupSurface::ToQColor(colors[17]);
        int ruleRow = -1;
        for (int y = textPixels.top(); y <= textPixels.bottom(); ++y) {
            if (CountPixels(image, QRect(textPixels.left(), y, textPixels.width(), 1), ink, 40) >=
                textPixels.width() - 1) {
                ruleRow = y;
                break;
            }
        }
        QVERIFY2(ruleRow > 0, "no full-width rule");
        // The frame: the body's left edge in the frame colour, half-way down.
        const int midY = int((g.body.top + g.body.bottom) / 2 * dpr);
        QVERIFY(CountPixels(image, QRect(0, midY, int(2 * dpr), 1), QtMarkupSurface::ToQColor(colors[25]),
                            60) >= 1);
    }
};

QTEST_MAIN(CRichTooltipTest)
#include "CRichTooltipTest.moc"
