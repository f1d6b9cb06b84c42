#include "controls/CButtonSelect.h"

#include "controls/CButtonSelectPainter.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

CButtonSelect::CButtonSelect(QWidget* parent) : CButtonSelect(QString(), parent)
{
}

CButtonSelect::CButtonSelect(const QString& text, QWidget* parent) : QAbstractButton(parent)
{
    setText(text);
    setCheckable(true);  // the selected flag; false when created
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::toggled, this, &CButtonSelect::stateChanged);
}

QSize CButtonSelect::sizeHint() const
{
    // Caption on top, the arrow in the lower half: room for both and a visible bend.
    const QFontMetrics fm(font());
    const int inset = 2 * CButtonSelectPainter::kCaptionInset;
    const int w = std::max(fm.horizontalAdvance(text()) + inset + 8, 48);
    const int h = std::max(2 * (fm.height() + CButtonSelectPainter::kCaptionInset) + 4, 36);
    return {w, h};
}

QSize CButtonSelect::minimumSizeHint() const
{
    return {24, 24};
}

void CButtonSelect::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    CButtonSelectPainter::State s;
    s.caption = text();
    s.selected = state();
    s.held = isDown();
    s.focused = hasFocus();
    s.enabled = isEnabled();
    CButtonSelectPainter::paint(painter, rect(), s, palette(), style(), this);
}
