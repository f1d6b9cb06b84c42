// Every markup feature in one tooltip and one formatted text box, grabbed.
// With QUILLMAR_SCREENSHOT_DIR set the grabs are written there as PNGs
// (named after the scale, so runs with QT_SCALE_FACTOR=2 do not overwrite).
#include <QLabel>
#include <QPainter>
#include <QTest>

#include "markup/CEditCtrlFormat.h"
#include "markup/CRichTooltip.h"
#include "markup/QtMarkupSurface.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"

namespace {

// Windows-1252 bytes, as the data files hold them.
const std::string kSample =
    "<al_c><b>Schwertkunst \xC4\xD6\xDC</b><br><hr=100%><br><al>"
    "Gr\xFC\xDF"
    "e aus K\xF6ln: \xE4 \xF6 \xFC \xDF \x80 \x84Zitat\x93<br>"
    "<i>kursiv</i> <u>unterstrichen</u> <s>durchgestrichen</s> <b>fett</b><br>"
    "<ct=0xFF>rot</ct> <ct=0x007000>gr\xFCn</ct> <cti=8>blau</cti> <cti=5>lila</cti> normal<br>"
    "<cb=0x00FFFF>gelb hinterlegt</cb> <cbi=14>silber</cbi> x<<y<br>"
    "<hr=50%><br>"
    "Stufe:<t=3>12<br>Angriff:<t=3>mittel<br>Erm\xFC"
    "dung:<t=1>gering<br>"
    "<al_r>rechtsb\xFCndig<br><al_c>zentriert<br><al>"
    "<hr=40> 40 Pixel";

const std::string kBoxSample =
    "<b>Meisterstufe</b><br><hr=100%><br>"
    "Ein l\xE4ngerer Beschreibungstext, der im Feld umbricht und zentriert steht.<br>"
    "<al><i>Links:</i> gr\xFC\xDF"
    "er, \xFC"
    "ber, \xC4rger<br><al_r>rechts";

QString scaleName()
{
    return QString::number(qRound(qApp->devicePixelRatio() * 100));
}

}  // namespace

class MarkupScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietUnsupportedPlatformWarnings(); }

    void tooltipSample()
    {
        QWidget page;
        page.setGeometry(40, 40, 300, 200);
        QLabel target("hover", &page);
        target.setGeometry(10, 10, 100, 30);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        CRichTooltip tip(&page);
        tip.setHideDelay(0);
        tip.setInitialDelay(0);
        QPoint pointer = target.mapToGlobal(QPoint(20, 15));
        tip.setPointerSource([&] { return pointer; });
        tip.itemHovered(&target, kSample, pointer);
        QTRY_VERIFY_WITH_TIMEOUT(tip.isTipShown(), 2000);
        QTest::qWait(50);
        const QImage image = tip.grab().toImage();
        SaveScreenshot(image, "tooltip-" + scaleName());
        {
            // The same through the window's shape, as it shows on a desktop.
            QImage shaped(image.size(), QImage::Format_ARGB32);
            shaped.setDevicePixelRatio(image.devicePixelRatio());
            shaped.fill(Qt::transparent);
            QPainter painter(&shaped);
            painter.setClipRegion(tip.mask());
            painter.drawImage(QPoint(0, 0), image);
            painter.end();
            SaveScreenshot(shaped, "tooltip-shaped-" + scaleName());
            QVERIFY(!tip.mask().isEmpty());
            QVERIFY(!tip.mask().contains(QPoint(tip.width() - 2, 0)));  // corner outside the balloon
        }

        const BalloonGeometry& g = tip.balloonGeometry();
        const qreal dpr = image.devicePixelRatio();
        const QRect text = DevicePixels(QRect(g.text.left, g.text.top, g.text.Width(), g.text.Height()), dpr);
        QVERIFY(text.width() > 100 && text.height() > 100);
        // The colours the sample uses are all there.
        const struct {
            QColor color;
            int tolerance;
            const char* what;
        } inks[] = {
            {QColor(255, 0, 0), 70, "red"},
            {QColor(0, 112, 0), 50, "green"},
            {QColor(0, 0, 255), 70, "blue index"},
            {QColor(128, 0, 128), 50, "purple index"},
            {QColor(255, 255, 0), 0, "yellow background"},
            {QColor(192, 192, 192), 0, "silver background"},
        };
        for (const auto& ink : inks)
            QVERIFY2(CountPixels(image, text, ink.color, ink.tolerance) > 4, ink.what);
        // The first rule is as wide as the text area, in the tooltip text colour.
        const QColor rule = QtMarkupSurface::ToQColor(tip.colors()[17]);
        bool full = false;
        for (int y = text.top(); y <= text.bottom() && !full; ++y)
            full = CountPixels(image, QRect(text.left(), y, text.width(), 1), rule, 30) >= text.width() - 1;
        QVERIFY(full);
    }

    void formattedBoxSample()
    {
        CEditCtrlFormat box;
        box.resize(260, 130);
        box.setMarkup(kBoxSample);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QImage image = box.grab().toImage();
        SaveScreenshot(image, "editformat-" + scaleName());
        const QColor back = box.palette().color(QPalette::Window);
        const QRect inside = DevicePixels(box.contentsRect(), image.devicePixelRatio());
        const QRect ink = BoundsOfOtherPixels(image, inside, back, 40);
        QVERIFY(ink.height() > inside.height() / 2);
    }
};

QTEST_MAIN(MarkupScreenshotTest)
#include "MarkupScreenshotTest.moc"
