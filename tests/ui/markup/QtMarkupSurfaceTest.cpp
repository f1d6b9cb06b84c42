#include <QPainter>
#include <QTest>

#include <functional>

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
    // What the surface draws on white.
    static QImage drawn(QSize size, const std::function<void(QtMarkupSurface&)>& draw)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QtMarkupSurface surface(&painter, baseFont());
        draw(surface);
        return image;
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

    void measuresInTheSelectedFont()
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

        MarkupFont bold = surface.Font();
        bold.weight = 800;
        bold.italic = true;
        surface.SelectFont(bold);
        QCOMPARE(surface.Font(), bold);
        QCOMPARE(int(surface.CurrentQFont().weight()), 800);
        QVERIFY(surface.CurrentQFont().italic());
        QVERIFY(surface.MeasureText("Wide words").width > metrics.horizontalAdvance("Wide words"));
    }

    void drawing()
    {
        // Clipped text stays in its rectangle.
        QImage image = drawn({120, 40}, [](QtMarkupSurface& s) {
            s.DrawTextClipped({10, 5, 40, 15}, "WWWWWWWWWW");
        });
        const int inside = CountOtherPixels(image, QRect(10, 5, 30, 10), Qt::white);
        QVERIFY(inside > 10);
        QCOMPARE(CountOtherPixels(image, image.rect(), Qt::white), inside);

        // An opaque background fills behind the text, a transparent one does not.
        image = drawn({120, 40}, [](QtMarkupSurface& s) {
            s.SetBackgroundColor(MarkupRgb(0, 255, 0));
            s.SetBackgroundOpaque(true);
            s.DrawText(0, 0, "ab");
            s.SetBackgroundOpaque(false);
            s.DrawText(60, 0, "ab");
        });
        QVERIFY(CountPixels(image, QRect(0, 0, 60, 40), QColor(0, 255, 0)) > 50);
        QCOMPARE(CountPixels(image, QRect(60, 0, 60, 40), QColor(0, 255, 0)), 0);

        // A horizontal line is one pixel high and leaves its end point out.
        image = drawn({50, 10}, [](QtMarkupSurface& s) { s.DrawLine(5, 4, 25, 4, MarkupRgb(255, 0, 0)); });
        QCOMPARE(CountPixels(image, image.rect(), QColor(255, 0, 0)), 20);
        QCOMPARE(CountPixels(image, QRect(5, 4, 20, 1), QColor(255, 0, 0)), 20);
    }
};

QTEST_MAIN(QtMarkupSurfaceTest)
#include "QtMarkupSurfaceTest.moc"
