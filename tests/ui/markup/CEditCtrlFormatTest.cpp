#include <QTest>

#include "markup/CEditCtrlFormat.h"
#include "ui/support/ImageProbe.h"

// The layout rules themselves are the golden tests' job; these check the box hands the
// renderer its inside, font and colours. Drawn at device pixel ratio 1 here (offscreen),
// so widget and image coordinates agree.
class CEditCtrlFormatTest : public QObject {
    Q_OBJECT

private:
    QImage paint(const std::string& markup, QSize size = QSize(240, 80))
    {
        CEditCtrlFormat box;
        QFont font("DejaVu Sans");
        font.setPixelSize(12);
        box.setFont(font);
        box.resize(size);
        box.setMarkup(markup);
        m_inside = box.contentsRect();
        m_back = box.palette().color(QPalette::Window);
        m_ink = box.palette().color(QPalette::WindowText);
        return box.grab().toImage();
    }
    QRect inkBounds(const QImage& image) { return BoundsOfOtherPixels(image, m_inside, m_back, 40); }

    QRect m_inside;
    QColor m_back;
    QColor m_ink;

private slots:
    void alignment_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<int>("where");  // 0 left, 1 centre, 2 right
        QTest::newRow("centred without tags") << "Name" << 1;
        QTest::newRow("left after <al>") << "<al>Name" << 0;
        QTest::newRow("right after <al_r>") << "<al_r>Name" << 2;
    }
    void alignment()
    {
        QFETCH(QString, markup);
        QFETCH(int, where);
        const QRect ink = inkBounds(paint(markup.toStdString()));
        QVERIFY(!ink.isNull());
        const int leftGap = ink.left() - m_inside.left();
        const int rightGap = m_inside.right() - ink.right();
        const QString gaps = QString("gaps %1 and %2").arg(leftGap).arg(rightGap);
        QVERIFY2(where == 0   ? leftGap <= 4
                 : where == 2 ? rightGap <= 5
                              : std::abs(leftGap - rightGap) <= 4,
                 qPrintable(gaps));
    }

    void wrapsAndCutsOffAtTheBottom()
    {
        const QRect one = inkBounds(paint("<al>short"));
        const QImage wrapped = paint("<al>a long sentence that needs several lines in this box", {120, 120});
        SaveScreenshot(wrapped, "edit-wrap");
        const QRect many = inkBounds(wrapped);
        QVERIFY2(many.height() > 2 * one.height(),
                 qPrintable(QString("%1 vs %2").arg(many.height()).arg(one.height())));
        QVERIFY(many.right() <= m_inside.right());

        std::string lines;
        for (int i = 0; i < 30; ++i)
            lines += "line<br>";
        const QImage image = paint(lines, QSize(100, 50));
        QVERIFY(inkBounds(image).bottom() <= m_inside.bottom());
        // Nothing is drawn over the frame below.
        const QRect below(0, m_inside.bottom() + 1, 100, 50 - m_inside.bottom() - 1);
        QCOMPARE(CountPixels(image, below, m_ink, 10), 0);
    }

    void ruleAcrossTheBox()
    {
        const QImage image = paint("<hr=100%>");
        const int y = m_inside.top() + 1 + 3;
        const int from = m_inside.left() + 1 + 2;
        const int to = m_inside.left() + m_inside.width() - 1 - 2;  // end point left out
        QCOMPARE(CountPixels(image, QRect(from, y, to - from, 1), m_ink, 10), to - from);
        QCOMPARE(CountPixels(image, QRect(from, y + 1, to - from, 1), m_ink, 10), 0);
        QCOMPARE(CountPixels(image, QRect(to, y, 1, 1), m_ink, 10), 0);
    }

    void emptyShowsOnlyTheBackground() { QCOMPARE(CountOtherPixels(paint(""), m_inside, m_back, 0), 0); }
};

QTEST_MAIN(CEditCtrlFormatTest)
#include "CEditCtrlFormatTest.moc"
