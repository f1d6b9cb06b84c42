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

CRichMarkupView::CRichMarkupView(QWidget* parent) : QFrame(parent), m_renderer(PaletteOf(*this))
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void CRichMarkupView::setMarkup(std::string markup)
{
    if (markup == m_markup)
        return;
    m_markup = std::move(markup);
    updateGeometry();
    update();
}

QSize CRichMarkupView::sizeHint() const
{
    QtMarkupSurface surface(nullptr, font());
    CRichMarkupRenderer measuring(m_renderer.Palette());
    const MarkupSize text = measuring.Render(surface, m_markup, {0, 0, 0}, MarkupPass::Measure);
    const QFontMetrics metrics(font());
    const int height = std::max(text.height, metrics.height() * 8);
    return QSize(std::max(text.width, metrics.averageCharWidth() * 30), height) +
           QSize(2 * (frameWidth() + kMargin), 2 * (frameWidth() + kMargin));
}

QSize CRichMarkupView::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.averageCharWidth() * 10, metrics.height() * 3);
}

void CRichMarkupView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_markup.empty())
        return;
    QPainter painter(this);
    QtBalloonPainter::PaintText(painter, m_renderer, m_markup, font(),
                                contentsRect().adjusted(kMargin, kMargin, -kMargin, -kMargin));
}
