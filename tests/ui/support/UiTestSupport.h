// Shared by the widget tests: mouse events sent straight to a widget (QTest's
// moves without a button go to the real cursor, which offscreen has not), the
// pages' colours, auto-train masks, and work done in a modal dialog once it is up.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTimer>

#include <cstdint>
#include <functional>

#include "markup/QtMarkupSurface.h"

namespace ui_test {

inline void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, Qt::NoModifier,
                      QPointingDevice::primaryPointingDevice());
    QApplication::sendEvent(w, &event);
}
inline void press(QWidget* w, QPoint pos)
{
    sendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
}
inline void release(QWidget* w, QPoint pos)
{
    sendMouse(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton, {});
}
inline void move(QWidget* w, QPoint pos, Qt::MouseButtons held = {})
{
    sendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, held);
}

inline QColor Colour(MarkupColor c)
{
    return QtMarkupSurface::ToQColor(c);
}

// Auto-train skills from+1 .. to+1 as mask bits.
constexpr std::uint32_t Bits(int from, int to)
{
    return (2u << to) - (1u << from);
}

// Runs `work` on the modal dialog of type T as soon as it is up.
template <typename T> void WhenModalOpens(std::function<void(T*)> work)
{
    QTimer::singleShot(0, [work] {
        if (T* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
            work(dialog);
        else
            WhenModalOpens<T>(work);
    });
}

}  // namespace ui_test

#include <QTest>

namespace ui_test {

// The named child, or a fatal error naming it.
template <typename T = QWidget> T* ChildOf(const QObject* parent, const QString& name)
{
    T* child = parent->findChild<T*>(name);
    if (!child)
        qFatal("no child %s", qPrintable(name));
    return child;
}

// Types over the field's text as a user would, and ends with Return when `finish`.
inline void TypeInto(QWidget* field, const QString& text, bool finish = true)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
    if (finish)
        QTest::keyClick(field, Qt::Key_Return);
}

}  // namespace ui_test
