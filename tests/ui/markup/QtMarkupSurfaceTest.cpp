#include <QPainter>
#include <QTest>

#include "markup/CRichMarkupRenderer.h"
#include "markup/QtCodePage.h"
#include "markup/QtMarkupSurface.h"
#include "ui/support/ImageProbe.h"

class QtMarkupSurfaceTest : public QObject {
    Q_OBJECT

private:
    static QFont baseFont()
    {
        QFont font("DejaVu Sans");
        font.setPixelSize(13);
        return font;
    }

private slots:
    void convertsWindows1252_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("Body <b>") << QString("Body <b>");
        QTest::newRow("umlauts") << QByteArray("\xE4\xF6\xFC\xC4\xD6\xDC\xDF")
                                 << QString::fromUtf8("äöüÄÖÜß");
        QTest::newRow("euro and quotes differ from latin-1")
            << QByteArray("\x80\x84\x93\x94") << QString::fromUtf8("€„“”");
        QTest::newRow("nul byte") << QByteArray("a\0b", 3) << QString(QStringView(u"a\0b", 3).toString());
    }
    void convertsWindows1252()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const std::string_view view(bytes.constData(), std::size_t(bytes.size()));
        QCOMPARE(Windows1252ToQString(view), text);
        QCOMPARE(QStringToWindows1252(text), std::string(view));
    }

    void measuresWithTheFontMetrics()
    {
        QtMarkupSurface surface(nullptr, baseFont());
        const QFontMetrics metrics(baseFont());
        const MarkupSize size = surface.MeasureText("Gr\xFC\xDF"
                                                    "e");
        QCOMPARE(size.width, metrics.horizontalAdvance(QString::fromUtf8("Grüße")));
        QCOMPARE(size.height, metrics.height());
        QCOMPARE(surface.Metrics().cellHeight, metrics.height());
        QCOMPARE(surface.Metrics().averageCharWidth, metrics.averageCharWidth());
        QCOMPARE(surface.Font().height, 13);
    }

    void selectsDescribedFonts()
    {
        QtMarkupSurface surface(nullptr, baseFont());
        MarkupFont bold = surface.Font();
        bold.weight = 800;
        bold.italic = true;
        surface.SelectFont(bold);
        QCOMPARE(surface.Font(), bold);
        QCOMPARE(int(surface.CurrentQFont().weight()), 800);
        QVERIFY(surface.CurrentQFont().italic());
        QVERIFY(surface.MeasureText("Wide words").width >
                QFontMetrics(baseFont()).horizontalAdvance("Wide words"));
    }

    void richLayoutMeasuresTheWidestLine()
    {
        QtMarkupSurface surface(nullptr, baseFont());
        CRichMarkupRenderer renderer(MakeMarkupPalette(0, 0xE1FFFF, 0x808080));
        const MarkupSize size =
            renderer.Render(surface, "<al_c><b>Title</b><br><hr=100%><br><al>A longer body line", {0, 0, 0},
                            MarkupPass::Measure);
        QCOMPARE(size.width, QFontMetrics(baseFont()).horizontalAdvance("A longer body line"));
        QCOMPARE(renderer.LineWidths().size(), std::size_t(3));
        QCOMPARE(renderer.LineWidths()[1], size.width);
    }

    void clippedTextStaysInItsRectangle()
    {
        QImage image(120, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            QtMarkupSurface surface(&painter, baseFont());
            surface.DrawTextClipped({10, 5, 40, 15}, "WWWWWWWWWW");
        }
        QVERIFY(CountOtherPixels(image, QRect(10, 5, 30, 10), Qt::white) > 10);
        const int everywhere = CountOtherPixels(image, image.rect(), Qt::white);
        QCOMPARE(everywhere, CountOtherPixels(image, QRect(10, 5, 30, 10), Qt::white));
    }

    void opaqueBackgroundFillsBehindText()
    {
        QImage image(120, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            QtMarkupSurface surface(&painter, baseFont());
            surface.SetBackgroundColor(MarkupRgb(0, 255, 0));
            surface.SetBackgroundOpaque(true);
            surface.DrawText(0, 0, "ab");
            surface.SetBackgroundOpaque(false);
            surface.DrawText(60, 0, "ab");
        }
        QVERIFY(CountPixels(image, QRect(0, 0, 60, 40), QColor(0, 255, 0)) > 50);
        QCOMPARE(CountPixels(image, QRect(60, 0, 60, 40), QColor(0, 255, 0)), 0);
    }

    void horizontalLineIsOnePixelAndLeavesTheEndOut()
    {
        QImage image(50, 10, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            QtMarkupSurface surface(&painter, baseFont());
            surface.DrawLine(5, 4, 25, 4, MarkupRgb(255, 0, 0));
        }
        QCOMPARE(CountPixels(image, image.rect(), QColor(255, 0, 0)), 20);
        QCOMPARE(CountPixels(image, QRect(5, 4, 20, 1), QColor(255, 0, 0)), 20);
    }
};

QTEST_MAIN(QtMarkupSurfaceTest)
#include "QtMarkupSurfaceTest.moc"
