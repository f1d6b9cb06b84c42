// What Qt adds to the markup layout: the surface, the formatted box and the tooltip's
// showing, placing and hiding. Offscreen the pixel ratio is 1: widget and image agree.
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "markup/CEditCtrlFormat.h"
#include "markup/CRichTooltip.h"
#include "markup/QtCodePage.h"
#include "markup/QtMarkupSurface.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"
#include "ui/support/UiTestSupport.h"

using ui_test::Colour;

class MarkupWidgetsTest : public QObject {
    Q_OBJECT

    QWidget* m_page = nullptr;
    QLabel* m_a = nullptr;
    QLabel* m_b = nullptr;
    CRichTooltip* m_tip = nullptr;
    QPoint m_pointer;

    // A mouse move over the widget, with the pointer there; the watched page relays it.
    void moveTo(QWidget* w, QPoint local)
    {
        m_pointer = w->mapToGlobal(local);
        ui_test::move(w, local);
    }
    void restOn(QWidget* w, QPoint local = QPoint(5, 5))
    {
        moveTo(w, local);
        QTRY_VERIFY_WITH_TIMEOUT(m_tip->isTipShown(), 1000);
    }

private slots:
    void initTestCase() { QuietUnsupportedPlatformWarnings(); }
    void init()
    {
        m_page = new QWidget;
        m_page->setGeometry(100, 100, 400, 300);
        m_a = new QLabel("A", m_page);
        m_a->setGeometry(10, 10, 100, 30);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page));
        m_tip = new CRichTooltip(m_page);
        m_tip->setHideDelay(0);
        m_tip->setInitialDelay(0);
        m_tip->setPointerSource([this] { return m_pointer; });
        m_tip->watch(m_page);
        m_b = new QLabel("B", m_page);  // added later: watched all the same
        m_b->setGeometry(10, 60, 100, 30);
        m_b->show();
        m_tip->addTool(m_a, "<b>Alpha</b>");
        m_tip->addTool(m_b, "Beta<br>two lines");
    }
    void cleanup() { delete m_page; }

    void surfaceMeasuresAndDraws()
    {
        // Text comes as Windows-1252 (not Latin-1 at 0x80..0x9F), measured in the selected font.
        const std::string bytes = "Gr\xFC\xDF \x80\x84\x93";
        const QString text = QString::fromUtf8("Grüß €„“");
        QCOMPARE(Windows1252ToQString(bytes), text);
        QCOMPARE(QStringToWindows1252(text), bytes);
        QFont font("DejaVu Sans");
        font.setPixelSize(13);
        QtMarkupSurface measure(nullptr, font);
        const QFontMetrics metrics(font);
        QCOMPARE(measure.MeasureText(bytes).width, metrics.horizontalAdvance(text));
        QCOMPARE(measure.Metrics().cellHeight, metrics.height());
        MarkupFont bold = measure.Font();
        bold.weight = 800;
        measure.SelectFont(bold);
        QVERIFY(measure.MeasureText("Wide words").width > metrics.horizontalAdvance("Wide words"));
        // Clipped text stays in its rectangle; a line leaves its end point out.
        QImage image(120, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QtMarkupSurface surface(&painter, font);
        surface.DrawTextClipped({10, 5, 40, 15}, "WWWWWWWW");
        surface.DrawLine(5, 30, 25, 30, MarkupRgb(255, 0, 0));
        painter.end();
        const int inside = CountOtherPixels(image, QRect(10, 5, 30, 10), Qt::white);
        QVERIFY(inside > 10);
        QCOMPARE(CountOtherPixels(image, QRect(0, 0, 120, 30), Qt::white), inside);
        QCOMPARE(CountPixels(image, image.rect(), QColor(255, 0, 0)), 20);
        QCOMPARE(CountPixels(image, QRect(5, 30, 20, 1), QColor(255, 0, 0)), 20);
    }

    // The box lays out in its inside: centred there, never on the frame; empty, nothing drawn.
    void formattedBoxDrawsInside_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("one word, centred") << "Name" << true;
        QTest::newRow("too many lines are cut off") << QString("line<br>").repeated(30) << true;
        QTest::newRow("empty") << "" << false;
    }
    void formattedBoxDrawsInside()
    {
        QFETCH(QString, markup);
        QFETCH(bool, drawn);
        CEditCtrlFormat box;
        box.resize(240, 80);
        box.setContentsMargins(30, 10, 0, 0);  // an inside well off the widget's corner
        box.setMarkup(markup.toStdString());
        const QImage image = box.grab().toImage();
        const QRect inside = box.contentsRect();
        const QColor back = box.palette().color(QPalette::Window);
        const QRect ink = BoundsOfOtherPixels(image, inside, back, 40);
        QCOMPARE(!ink.isNull(), drawn);
        const QColor text = box.palette().color(QPalette::WindowText);
        QCOMPARE(CountPixels(image, image.rect(), text, 10),
                 CountPixels(image, inside, text, 10));  // not on the frame
        QVERIFY(!drawn || std::abs(ink.left() - inside.left() - (inside.right() - ink.right())) <= 4);
    }

    void tipHides_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("pointer leaves every tool") << 0;
        QTest::newRow("page hidden") << 1;
        QTest::newRow("list rows scrolled") << 2;
        QTest::newRow("key pressed") << 3;
        QTest::newRow("mouse button pressed") << 4;
    }
    void tipHides()
    {
        QFETCH(int, how);
        restOn(m_a);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(m_pointer), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        if (how == 0)
            moveTo(m_page, QPoint(300, 250));
        else if (how == 1)
            m_page->hide();
        else if (how == 2)
            m_tip->itemsScrolled();
        else
            QApplication::sendEvent(m_a, how == 3 ? static_cast<QEvent*>(&key) : &click);
        QVERIFY(!m_tip->isTipShown());
        if (how < 3)
            return;
        // After a press it stays hidden while the pointer stays on the tool, and comes back after it left.
        moveTo(m_a, QPoint(8, 8));
        QTest::qWait(60);
        QVERIFY(!m_tip->isTipShown());
        moveTo(m_page, QPoint(300, 250));
        restOn(m_a);
    }

    // Shown once the pointer has rested for the delay, not before: the reference timer,
    // started right after the tip's own, fires first, so no clock is read. Another tool, or
    // new text for the shown one, shows at once.
    void tipShowsAfterTheDelayThenSwitchesAtOnce()
    {
        m_tip->setInitialDelay(150);
        moveTo(m_a, QPoint(5, 5));
        bool early = true;
        QTimer::singleShot(130, Qt::PreciseTimer, m_tip, [&] { early = m_tip->isTipShown(); });
        QVERIFY(!m_tip->isTipShown());
        QTRY_VERIFY_WITH_TIMEOUT(m_tip->isTipShown(), 2000);
        QVERIFY2(!early, "shown before the delay");
        QCOMPARE(m_tip->currentTool(), 0);
        moveTo(m_b, QPoint(5, 5));
        QVERIFY2(m_tip->isTipShown(), "the tip waited before switching");
        QCOMPARE(m_tip->currentTool(), 1);
        const int before = m_tip->width();
        m_tip->updateTipText(m_b, "Beta with a much longer text than before");
        QVERIFY(m_tip->isTipShown() && m_tip->width() > before);
        m_tip->itemHovered(m_b, "", m_pointer);  // a list's row without a text shows nothing
        QVERIFY(!m_tip->isTipShown());
    }

    // In the screen's corner the balloon opens up and to the left, its anchor at the pointer.
    void tipStaysOnTheScreen()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        m_page->setGeometry(screen);
        m_tip->addTool(m_page, "<b>Edge</b><br>tip text");
        const QPoint global = screen.bottomRight() - QPoint(5, 5);
        restOn(m_page, m_page->mapFromGlobal(global));
        const BalloonGeometry& g = m_tip->balloonGeometry();
        QCOMPARE(g.direction, 0);
        const QRect tip = m_tip->geometry();
        const int off = (tip.topLeft() + QPoint(g.anchorTip.x, g.anchorTip.y) - global).manhattanLength();
        QVERIFY2(off <= 16, qPrintable(QString::number(off)));
        QVERIFY(screen.adjusted(0, 0, 6, 6).contains(tip));  // only the shadow may pass the edge
    }

    // The balloon is painted: its background, coloured text, a full-width rule and the frame.
    void tipPaintsTheBalloon()
    {
        m_tip->updateTipText(m_a, "<ct=0xFF>RRRRRR</ct><br><hr=100%><br><cb=0xFF00>on green</cb>");
        restOn(m_a);
        const QImage image = m_tip->grab().toImage();
        SaveScreenshot(image, "CRichTooltip");
        const BalloonGeometry& g = m_tip->balloonGeometry();
        const MarkupPalette& colors = m_tip->colors();
        const QRect text(g.text.left, g.text.top, g.text.Width(), g.text.Height());
        QVERIFY(CountPixels(image, text, Colour(colors[19]), 8) > text.width() * text.height() / 3);
        QVERIFY2(CountPixels(image, text, QColor(255, 0, 0), 60) > 10, "no red text drawn");
        QVERIFY2(CountPixels(image, text, QColor(0, 255, 0)) > 50, "no opaque background behind text");
        bool rule = false;
        for (int y = text.top(); y <= text.bottom() && !rule; ++y)
            rule = CountPixels(image, QRect(text.left(), y, text.width(), 1), Colour(colors[17]), 40) >=
                   text.width() - 1;
        QVERIFY2(rule, "no full-width rule");
        const int midY = int((g.body.top + g.body.bottom) / 2 * image.devicePixelRatio());
        QVERIFY(CountPixels(image, QRect(0, midY, 2, 1), Colour(colors[25]), 60) >= 1);
    }
};

QTEST_MAIN(MarkupWidgetsTest)
#include "MarkupWidgetsTest.moc"
