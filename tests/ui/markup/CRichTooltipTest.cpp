#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>

#include "markup/CRichTooltip.h"
#include "markup/QtMarkupSurface.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"

// Checks on "not shown yet" use reference timers started right after the tip's own: Qt
// fires due timers in deadline order, so they read no clock and a busy machine cannot
// make them fail.
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
    void leave() { moveTo(m_page, QPoint(300, 250)); }

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
    void cleanup() { delete m_page; }

    void showsAfterTheInitialDelay_data()
    {
        QTest::addColumn<int>("set");  // -1: the default is kept
        QTest::addColumn<int>("delay");
        QTest::newRow("default") << -1 << 500;
        QTest::newRow("zero: as soon as the pointer rests") << 0 << 0;
        QTest::newRow("negative is zero") << -20 << 0;
        QTest::newRow("150 ms") << 150 << 150;
        QTest::newRow("five seconds at most") << 99999 << 5000;
    }
    void showsAfterTheInitialDelay()
    {
        QFETCH(int, set);
        QFETCH(int, delay);
        if (set == -1) {
            CRichTooltip fresh(m_page);
            QCOMPARE(fresh.hideDelay(), 5000);
            set = fresh.initialDelay();
        }
        m_tip->setInitialDelay(set);
        moveTo(m_a, QPoint(5, 5));
        QVERIFY(!m_tip->isTipShown());
        QCOMPARE(m_tip->waitingTool(), 0);
        QVERIFY(m_tip->remainingShowDelay() <= delay);
        bool checked = delay <= 20, early = false;
        if (!checked) {
            QTimer::singleShot(delay - 20, Qt::PreciseTimer, m_tip, [&] {
                checked = true;
                early = m_tip->isTipShown();
            });
        }
        if (delay == 5000) {  // not waited for
            QTest::qWait(50);
            QVERIFY(!m_tip->isTipShown());
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(m_tip->isTipShown() && checked, delay + 1000);
        QVERIFY2(!early, "shown before the delay");
        QCOMPARE(m_tip->currentTool(), 0);
        QCOMPARE(m_tip->waitingTool(), -1);
    }

    void everyMoveRestartsTheDelay()
    {
        m_tip->setInitialDelay(200);
        moveTo(m_a, QPoint(5, 5));
        bool checked = false, early = false;
        QTimer::singleShot(120, Qt::PreciseTimer, m_tip, [&] {
            moveTo(m_a, QPoint(6, 5));
            QTimer::singleShot(180, Qt::PreciseTimer, m_tip, [&] {
                checked = true;
                early = m_tip->isTipShown();
            });
        });
        QTRY_VERIFY_WITH_TIMEOUT(m_tip->isTipShown(), 2000);
        QVERIFY2(checked && !early, "shown before the pointer rested for the whole delay");
    }

    void nothingShows_data()
    {
        QTest::addColumn<int>("what");
        QTest::newRow("pointer moved on without a move event") << 0;
        QTest::newRow("key pressed while waiting") << 1;
        QTest::newRow("empty text") << 2;
    }
    void nothingShows()
    {
        QFETCH(int, what);
        m_tip->setInitialDelay(30);
        if (what == 2)
            m_tip->updateTipText(m_a, "");
        moveTo(m_a, QPoint(5, 5));
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
        if (what == 0)
            m_pointer += QPoint(3, 0);
        else if (what == 1)
            m_tip->relayEvent(m_a, &key);
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
        leave();
        restOn(m_a);
    }

    void hides_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("pointer leaves every tool") << 0;
        QTest::newRow("page hidden") << 1;
        QTest::newRow("list rows scrolled") << 2;
        QTest::newRow("all tools removed") << 3;
    }
    void hides()
    {
        QFETCH(int, how);
        restOn(m_a);
        if (how == 0)
            leave();
        else if (how == 1)
            m_page->hide();
        else
            how == 2 ? m_tip->itemsScrolled() : m_tip->removeAllTools();
        QVERIFY(!m_tip->isTipShown());
        QCOMPARE(m_tip->currentTool(), -1);
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

    void newTextOfTheShownToolShowsAtOnce()
    {
        restOn(m_a);
        const int before = m_tip->width();
        m_tip->updateTipText(m_a, "<b>Alpha</b> with a much longer text");
        QVERIFY(m_tip->isTipShown());
        QVERIFY(m_tip->width() > before);
        m_tip->updateTipText(m_a, "");
        QVERIFY(!m_tip->isTipShown());

        // A window without a tool gets one.
        QLabel c("C", m_page);
        c.setGeometry(200, 10, 50, 20);
        c.show();
        m_tip->updateTipText(&c, "Gamma");
        restOn(&c);
        QCOMPARE(m_tip->toolText(m_tip->currentTool()), std::string("Gamma"));
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
        QTest::newRow("hides after the delay") << false;
        QTest::newRow("kept while on the tool") << true;
    }
    void hideDelay()
    {
        QFETCH(bool, keep);
        m_tip->setHideDelay(80);
        m_tip->setKeepWhileOnTool(keep);
        restOn(m_a);
        QTest::qWait(250);
        QCOMPARE(m_tip->isTipShown(), keep);
    }

    void sizeComesFromTheLayout()
    {
        const std::string text = "<al_c><b>Title</b><br><hr=100%><br><al>Body text";
        m_tip->updateTipText(m_a, text);
        restOn(m_a);
        QtMarkupSurface surface(nullptr, m_tip->baseFont());
        const MarkupSize size =
            CRichMarkupRenderer(m_tip->colors()).Render(surface, text, {0, 0, 0}, MarkupPass::Measure);
        const BalloonGeometry& g = m_tip->balloonGeometry();
        QVERIFY(size.width > 0);
        QCOMPARE(QSize(g.text.Width(), g.text.Height()), QSize(size.width, size.height));
        QCOMPARE(m_tip->size(), QSize(g.window.Width(), g.window.Height()));
        const int withShadow = m_tip->width();
        m_tip->setShadow(false);
        leave();
        restOn(m_a);
        QCOMPARE(m_tip->width(), withShadow - 4);
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
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        m_page->setGeometry(screen);
        m_tip->removeAllTools();
        m_tip->addTool(m_page, "<b>Edge</b><br>tip text");
        const QPoint global(offset.x() >= 0 ? screen.left() + offset.x() : screen.right() + offset.x(),
                            offset.y() >= 0 ? screen.top() + offset.y() : screen.bottom() + offset.y());
        restOn(m_page, m_page->mapFromGlobal(global));
        const BalloonGeometry& g = m_tip->balloonGeometry();
        QCOMPARE(g.direction, direction);
        const QRect tip = m_tip->geometry();
        QCOMPARE(tip, QRect(g.window.left, g.window.top, g.window.Width(), g.window.Height()));
        // The anchor points at the pointer (pushed aside at most by the screen edge), and the
        // balloon is on the screen; only its shadow may pass the edge.
        const QPoint anchor = tip.topLeft() + QPoint(g.anchorTip.x, g.anchorTip.y);
        const int off = (anchor - global).manhattanLength();
        QVERIFY2(off <= 16, qPrintable(QString::number(off)));
        QVERIFY(screen.adjusted(0, 0, 6, 6).contains(tip));
    }

    void listFeed()
    {
        QLabel list("list", m_page);
        list.setGeometry(150, 10, 200, 200);
        list.show();
        m_tip->setInitialDelay(40);
        // A row without a text shows nothing; the next row with one does.
        m_pointer = list.mapToGlobal(QPoint(10, 10));
        m_tip->itemHovered(&list, "", m_pointer);
        QTest::qWait(80);
        QVERIFY(!m_tip->isTipShown());
        m_pointer = list.mapToGlobal(QPoint(10, 20));
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
        m_tip->itemHovered(&list, "Row five", m_pointer);
        QVERIFY(!m_tip->isTipShown());
        QTRY_VERIFY_WITH_TIMEOUT(m_tip->isTipShown(), 1000);
        QCOMPARE(m_tip->toolText(index), std::string("Row five"));
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

    void paintsBalloonFrameAndColouredText()
    {
        m_tip->updateTipText(m_a, "<ct=0xFF>RRRRRR</ct><br><hr=100%><br>plain");
        restOn(m_a);
        const QImage image = m_tip->grab().toImage();
        const BalloonGeometry& g = m_tip->balloonGeometry();
        const MarkupPalette& colors = m_tip->colors();
        const qreal dpr = image.devicePixelRatio();
        const QRect text = DevicePixels(QRect(g.text.left, g.text.top, g.text.Width(), g.text.Height()), dpr);
        const QColor back = QtMarkupSurface::ToQColor(colors[19]);
        QVERIFY(CountPixels(image, text, back, 8) > text.width() * text.height() / 3);
        QVERIFY2(CountPixels(image, text, QColor(255, 0, 0), 60) > 10, "no red text drawn");
        // The rule spans the text area's width.
        const QColor ink = QtMarkupSurface::ToQColor(colors[17]);
        bool rule = false;
        for (int y = text.top(); y <= text.bottom() && !rule; ++y)
            rule = CountPixels(image, QRect(text.left(), y, text.width(), 1), ink, 40) >= text.width() - 1;
        QVERIFY2(rule, "no full-width rule");
        // The frame: the body's left edge in the frame colour, half-way down.
        const int midY = int((g.body.top + g.body.bottom) / 2 * dpr);
        const QColor frame = QtMarkupSurface::ToQColor(colors[25]);
        QVERIFY(CountPixels(image, QRect(0, midY, int(2 * dpr), 1), frame, 60) >= 1);
    }
};

QTEST_MAIN(CRichTooltipTest)
#include "CRichTooltipTest.moc"
