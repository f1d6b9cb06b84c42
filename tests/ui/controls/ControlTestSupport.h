// Small helpers shared by the control tests: synthetic mouse events that need no real
// pointer, and pixel counts on rendered images.
#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QWidget>

#include <functional>

namespace control_test {

// Sends a mouse event straight to the widget (QTest::mouseMove without a pressed button
// moves the real cursor, which an offscreen test cannot rely on).
inline bool sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons, Qt::NoModifier,
                      QPointingDevice::primaryPointingDevice());
    return QApplication::sendEvent(widget, &event);
}

inline void press(QWidget* w, QPoint pos)
{
    sendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
}
inline void release(QWidget* w, QPoint pos)
{
    sendMouse(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}
inline void doubleClick(QWidget* w, QPoint pos)
{
    sendMouse(w, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
}
inline void move(QWidget* w, QPoint pos, Qt::MouseButtons held = Qt::NoButton)
{
    sendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, held);
}

// Renders into a white image of the given size.
inline QImage render(QSize size, const std::function<void(QPainter&, const QRect&)>& draw)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter, QRect(QPoint(0, 0), size));
    painter.end();
    return image;
}

inline int countPixels(const QImage& image, const QColor& color, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    area &= image.rect();
    const QRgb wanted = color.rgb();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (wanted & 0xFFFFFF);
    return n;
}

// Pixels clearly darker than a light background: lines and text.
inline int countDark(const QImage& image, QRect area = {}, int threshold = 110)
{
    if (area.isNull())
        area = image.rect();
    area &= image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qGray(image.pixel(x, y)) < threshold;
    return n;
}

}  // namespace control_test
