// Pixel checks on grabbed widgets, and the optional screenshot folder.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

// Pixels in the rectangle whose colour is within `tolerance` of the colour in
// every channel.
int CountPixels(const QImage& image, const QRect& area, const QColor& color, int tolerance = 0);
// Pixels in the rectangle that differ from the colour by more than `tolerance`.
int CountOtherPixels(const QImage& image, const QRect& area, const QColor& color, int tolerance = 0);
// The bounding box of the pixels that differ from the colour; null if none.
QRect BoundsOfOtherPixels(const QImage& image, const QRect& area, const QColor& color, int tolerance = 0);

// A rectangle in widget coordinates as pixels of a grab taken at the device pixel ratio.
QRect DevicePixels(const QRect& rect, qreal devicePixelRatio);

// QUILLMAR_SCREENSHOT_DIR, created if needed; empty when not set.
QString ScreenshotDir();
// Writes the image as DIR/name.png when the folder is set; true if written.
bool SaveScreenshot(const QImage& image, const QString& name);
