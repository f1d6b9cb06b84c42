#include "controls/CToggleButtonPainter.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

CToggleButtonPainter::Look CToggleButtonPainter::lookFor(bool pressed, bool held, bool available)
{
    if (pressed != held)
        return Look::Filled;
    return available ? Look::RaisedAvailable : Look::RaisedUnavailable;
}

void CToggleButtonPainter::paint(QPainter& painter, const QRect& rect, const State& state,
                                 const QPalette& palette, const QStyle* style, const QWidget* widget)
{
    if (!style)
        style = QApplication::style();
    painter.save();
    painter.fillRect(rect, palette.color(QPalette::Button));

    const QPalette::ColorGroup group = state.enabled ? QPalette::Active : QPalette::Disabled;
    const QColor buttonText = palette.color(group, QPalette::ButtonText);
    const Look look = lookFor(state.pressed, state.held, state.available);

    QColor ink = buttonText;
    if (look == Look::Filled) {
        painter.fillRect(rect, filledColor());
    } else {
        QStyleOptionButton frame;
        frame.rect = rect;
        frame.palette = palette;
        frame.state = QStyle::State_Raised;
        if (state.enabled)
            frame.state |= QStyle::State_Enabled;
        style->drawControl(QStyle::CE_PushButtonBevel, &frame, &painter, widget);
        if (look == Look::RaisedAvailable && state.enabled)
            ink = availableCaptionColor();
    }

    painter.setPen(ink);
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, state.caption);

    if (state.focused) {
        QStyleOptionFocusRect focus;
        focus.rect = rect.adjusted(2, 2, -2, -2);
        focus.palette = palette;
        focus.state = QStyle::State_KeyboardFocusChange | QStyle::State_HasFocus;
        focus.backgroundColor = look == Look::Filled ? filledColor() : palette.color(QPalette::Button);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, widget);
    }
    painter.restore();
}
