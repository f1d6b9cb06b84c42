#include "controls/CButtonSelectPainter.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

#include <algorithm>

CButtonSelectPainter::Arrow CButtonSelectPainter::arrowFor(const QRect& button, bool selected)
{
    const int w = button.width();
    const int h = button.height();
    const int cx = button.left() + w / 2;
    const int cy = button.top() + h / 2;
    const int side = selected ? w / 3 : -(w / 3);

    Arrow a;
    a.start = QPoint(cx, cy);
    a.bend = QPoint(cx, cy + h / 4);
    a.corner = QPoint(cx + side, a.bend.y());
    // Two quarters below the centre is the bottom edge itself; the tip stays inside the
    // frame so that the head is not drawn over the bevel.
    const int tipY = std::max(a.bend.y(), std::min(a.bend.y() + h / 4, button.bottom() - kCaptionInset));
    a.tip = QPoint(a.corner.x(), tipY);
    a.headLeft = QPoint(a.tip.x() - kArrowHead, a.tip.y() - kArrowHead);
    a.headRight = QPoint(a.tip.x() + kArrowHead, a.tip.y() - kArrowHead);
    return a;
}

QRect CButtonSelectPainter::captionRect(const QRect& button)
{
    return button.adjusted(kCaptionInset, kCaptionInset, -kCaptionInset, -kCaptionInset);
}

void CButtonSelectPainter::paint(QPainter& painter, const QRect& rect, const State& state,
                                 const QPalette& palette, const QStyle* style, const QWidget* widget)
{
    if (!style)
        style = QApplication::style();
    painter.save();

    QStyleOptionButton frame;
    frame.rect = rect;
    frame.palette = palette;
    frame.state = QStyle::State_None;
    if (state.enabled)
        frame.state |= QStyle::State_Enabled;
    frame.state |= state.held ? QStyle::State_Sunken : QStyle::State_Raised;
    style->drawControl(QStyle::CE_PushButtonBevel, &frame, &painter, widget);

    const QPalette::ColorGroup group = state.enabled ? QPalette::Active : QPalette::Disabled;
    const QColor ink = palette.color(group, QPalette::ButtonText);

    painter.setPen(ink);
    painter.drawText(captionRect(rect), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, state.caption);

    const Arrow a = arrowFor(rect, state.selected);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(ink, 1));
    const QPoint path[] = {a.start, a.bend, a.corner, a.tip};
    painter.drawPolyline(path, 4);
    painter.drawLine(a.tip, a.headLeft);
    painter.drawLine(a.tip, a.headRight);

    if (state.focused) {
        QStyleOptionFocusRect focus;
        focus.rect = rect.adjusted(3, 3, -3, -3);
        focus.palette = palette;
        focus.state = QStyle::State_KeyboardFocusChange | QStyle::State_HasFocus;
        focus.backgroundColor = palette.color(QPalette::Button);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, widget);
    }
    painter.restore();
}
