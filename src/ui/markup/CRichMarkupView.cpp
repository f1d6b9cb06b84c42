#include "markup/CRichMarkupView.h"

#include <QPainter>

#include "markup/QtBalloonPainter.h"
#include "markup/QtMarkupSurface.h"

namespace {

constexpr int kMargin = 4;

MarkupPalette PaletteOf(const QWidget& widget)
{
    const QPalette& colours = widget.palette();
    return MakeMarkupPalette(QtMarkupSurface::FromQColor(colours.color(QPalette::Text)),
                             QtMarkupSurface::FromQColor(colours.color(QPalette::Base)),
                             QtMarkupSurface::FromQColor(colours.color(QPalette::Dark)));
}

}  // namespace

CRichMarkupView::CRichMarkupView(QWidget* parent) : CEditCtrlFormat(parent), m_renderer(PaletteOf(*this))
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QSize CRichMarkupView::sizeHint() const
{
    QtMarkupSurface surface(nullptr, font());
    CRichMarkupRenderer measuring(m_renderer.Palette());
    const MarkupSize text = measuring.Render(surface, markup(), {0, 0, 0}, MarkupPass::Measure);
    return CEditCtrlFormat::sizeHint().expandedTo(QSize(text.width, text.height) +
                                                  QSize(2 * (frameWidth() + kMargin), 2 * (frameWidth() + kMargin)));
}

void CRichMarkupView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (markup().empty())
        return;
    QPainter painter(this);
    // As in the tooltip the text is as wide as its widest line, so that rules
    // and centred lines span that line and not the whole box.
    QtMarkupSurface surface(&painter, font());
    const MarkupSize text = m_renderer.Render(surface, markup(), {0, 0, 0}, MarkupPass::Measure);
    QRect area = contentsRect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    area.setWidth(std::min(area.width(), text.width));
    QtBalloonPainter::PaintText(painter, m_renderer, markup(), font(), area);
}
