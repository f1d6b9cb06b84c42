#include <QTest>

#include "markup/CEditCtrlFormat.h"
#include "markup/QtMarkupSurface.h"
#include "ui/support/ImageProbe.h"

// The box is drawn at device pixel ratio 1 here (offscreen), so widget and
// image coordinates agree.
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
        if (box.markup() != markup)
            qFatal("markup not kept");
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
        QTest::newRow("left after <AL_L>") << "<AL_L>Name" << 0;
        QTest::newRow("right after <al_r>") << "<al_r>Name" << 2;
        QTest::newRow("centred again after <al_c>") << "<al><al_c>Name" << 1;
    }
    void alignment()
    {
        QFETCH(QString, markup);
        QFETCH(int, where);
        const QImage image = paint(markup.toStdString());
        const QRect ink = inkBounds(image);
        QVERIFY(!ink.isNull());
        const int leftGap = ink.left() - m_inside.left();
        const int rightGap = m_inside.right() - ink.right();
        switch (where) {
        case 0:
            QVERIFY2(leftGap <= 4, qPrintable(QString("left gap %1").arg(leftGap)));
            break;
        case 1:
            QVERIFY2(std::abs(leftGap - rightGap) <= 4,
                     qPrintable(QString("%1 vs %2").arg(leftGap).arg(rightGap)));
            break;
        case 2:
            QVERIFY2(rightGap <= 5, qPrintable(QString("right gap %1").arg(rightGap)));
            break;
        }
    }

    void wrapsLongTextIntoLines()
    {
        const QRect one = inkBounds(paint("<al>short"));
        const QImage image =
            paint("<al>a long sentence that needs several lines in this box", QSize(120, 120));
        const QRect many = inkBounds(image);
        SaveScreenshot(image, "edit-wrap");
        QVERIFY2(many.height() > 2 * one.height(),
                 qPrintable(QString("%1 vs %2").arg(many.height()).arg(one.height())));
        QVERIFY(many.right() <= m_inside.right());
    }

    void boldNameThenTextOnTheNextLine()
    {
        const QImage plain = paint("Name<br>Text");
        const QImage bold = paint("<b>Name</b><br>Text");
        const QRect firstLine(m_inside.left(), m_inside.top(), m_inside.width(), 14);
        QVERIFY(CountOtherPixels(bold, firstLine, m_back, 40) >
                CountOtherPixels(plain, firstLine, m_back, 40));
        QVERIFY(inkBounds(bold).height() > 14);  // "Text" below
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

    void textBelowTheBottomIsCutOff()
    {
        std::string lines;
        for (int i = 0; i < 30; ++i)
            lines += "line<br>";
        const QImage image = paint(lines, QSize(100, 50));
        const QRect ink = inkBounds(image);
        QVERIFY(ink.bottom() <= m_inside.bottom());
        // Nothing is drawn over the frame below.
        QCOMPARE(
            CountPixels(image, QRect(0, m_inside.bottom() + 1, 100, 50 - m_inside.bottom() - 1), m_ink, 10),
            0);
    }

    void unknownTagsShowWithoutTheirBracket()
    {
        QCOMPARE(inkBounds(paint("<al>u>x")), inkBounds(paint("<al><u>x")));
    }

    void emptyShowsOnlyTheBackground() { QCOMPARE(CountOtherPixels(paint(""), m_inside, m_back, 0), 0); }
};

QTEST_MAIN(CEditCtrlFormatTest)
#include "CEditCtrlFormatTest.moc"
