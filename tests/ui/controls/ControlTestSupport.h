// Small helpers shared by the control tests: synthetic mouse events that need no real
// pointer, painted control states and dark-pixel counts.
#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QWidget>

#include "ui/support/ImageProbe.h"

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

// A control painter's picture of the state, on white, in the application palette.
template <typename Painter>
QImage paintState(QSize size, const typename Painter::State& state,
                  const QPalette& palette = QApplication::palette())
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Painter::paint(painter, image.rect(), state, palette, nullptr);
    painter.end();
    return image;
}

// Pixels clearly darker than a light background: lines and text.
inline int countDark(const QImage& image, QRect area)
{
    area &= image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qGray(image.pixel(x, y)) < 110;
    return n;
}

// Puts the application palette back when a test that changed it ends, failed or not.
struct PaletteGuard {
    QPalette saved = QApplication::palette();
    ~PaletteGuard() { QApplication::setPalette(saved); }
};

}  // namespace control_test
