#include "ui/support/ImageProbe.h"

#include <QDir>

#include <cstdlib>

namespace {

bool Near(QRgb pixel, const QColor& color, int tolerance)
{
    return std::abs(qRed(pixel) - color.red()) <= tolerance &&
           std::abs(qGreen(pixel) - color.green()) <= tolerance &&
           std::abs(qBlue(pixel) - color.blue()) <= tolerance;
}

template <typename F> void ForEach(const QImage& image, const QRect& area, F f)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QRect r = area.intersected(rgb.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            f(x, y, rgb.pixel(x, y));
}

}  // namespace

int CountPixels(const QImage& image, const QRect& area, const QColor& color, int tolerance)
{
    int n = 0;
    ForEach(image, area, [&](int, int, QRgb p) { n += Near(p, color, tolerance) ? 1 : 0; });
    return n;
}

int CountOtherPixels(const QImage& image, const QRect& area, const QColor& color, int tolerance)
{
    int n = 0;
    ForEach(image, area, [&](int, int, QRgb p) { n += Near(p, color, tolerance) ? 0 : 1; });
    return n;
}

QRect BoundsOfOtherPixels(const QImage& image, const QRect& area, const QColor& color, int tolerance)
{
    QRect bounds;
    ForEach(image, area, [&](int x, int y, QRgb p) {
        if (!Near(p, color, tolerance))
            bounds = bounds.united(QRect(x, y, 1, 1));
    });
    return bounds;
}

QRect DevicePixels(const QRect& rect, qreal devicePixelRatio)
{
    return QRect(int(rect.left() * devicePixelRatio), int(rect.top() * devicePixelRatio),
                 int(rect.width() * devicePixelRatio), int(rect.height() * devicePixelRatio));
}

QString ScreenshotDir()
{
    const QString dir = qEnvironmentVariable("QUILLMAR_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        QDir().mkpath(dir);
    return dir;
}

bool SaveScreenshot(const QImage& image, const QString& name)
{
    const QString dir = ScreenshotDir();
    if (dir.isEmpty())
        return false;
    return image.save(QDir(dir).filePath(name + ".png"));
}
