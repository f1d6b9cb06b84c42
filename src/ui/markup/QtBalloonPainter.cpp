#include "markup/QtBalloonPainter.h"

#include <QPainter>
#include <QPolygon>

#include "markup/CRichMarkupRenderer.h"
#include "markup/QtMarkupSurface.h"

namespace {

QPointF At(MarkupPoint p)
{
    return QPointF(p.x, p.y);
}

}  // namespace

QPainterPath QtBalloonPainter::Outline(const BalloonGeometry& g)
{
    QPainterPath body;
    const double radius = balloon::kCornerSize / 2.0;
    body.addRoundedRect(QRectF(g.body.left, g.body.top, g.body.Width(), g.body.Height()), radius, radius);
    QPainterPath anchor;
    // The triangle's base reaches a little into the body so that the two
    // shapes join without a seam.
    const double inward = g.anchorTip.y < g.body.top ? 1.0 : -1.0;
    anchor.moveTo(At(g.anchorTip));
    anchor.lineTo(QPointF(g.anchorBase1.x, g.anchorBase1.y + inward));
    anchor.lineTo(QPointF(g.anchorBase2.x, g.anchorBase2.y + inward));
    anchor.closeSubpath();
    return body.united(anchor).simplified();
}

QRegion QtBalloonPainter::Shape(const BalloonGeometry& g)
{
    // One pixel more to the right and below for the frame's pen.
    QPainterPath path = Outline(g);
    QRegion region(path.toFillPolygon().toPolygon());
    region = region.united(region.translated(1, 0)).united(region.translated(0, 1));
    if (g.shadow)
        region = region.united(region.translated(balloon::kShadowOffset, balloon::kShadowOffset));
    return region;
}

void QtBalloonPainter::Paint(QPainter& painter, const BalloonGeometry& g, CRichMarkupRenderer& renderer,
                             std::string_view text, const QFont& baseFont)
{
    const MarkupPalette& palette = renderer.Palette();
    const QPainterPath outline = Outline(g);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (g.shadow) {
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.fillPath(outline.translated(balloon::kShadowOffset, balloon::kShadowOffset),
                         QtMarkupSurface::ToQColor(palette[markup_index::kShadow]));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.fillPath(outline, QtMarkupSurface::ToQColor(palette[markup_index::kBalloonBackground]));
    painter.setPen(QPen(QtMarkupSurface::ToQColor(palette[markup_index::kFrame]), 1));
    painter.drawPath(outline.translated(0.5, 0.5));
    painter.restore();

    PaintText(painter, renderer, text, baseFont, QRect(g.text.left, g.text.top, g.text.Width(), g.text.Height()));
}

void QtBalloonPainter::PaintText(QPainter& painter, CRichMarkupRenderer& renderer, std::string_view text,
                                 const QFont& baseFont, const QRect& area)
{
    const MarkupPalette& palette = renderer.Palette();
    painter.save();
    painter.setClipRect(area);
    QtMarkupSurface surface(&painter, baseFont);
    surface.SetTextColor(palette[markup_index::kDefaultText]);
    surface.SetBackgroundColor(palette[markup_index::kDefaultBackground]);
    surface.SetBackgroundOpaque(false);
    // Measure again: the line tables must belong to this text in this font.
    const MarkupArea markupArea{area.left(), area.top(), area.left() + area.width()};
    renderer.Render(surface, text, markupArea, MarkupPass::Measure);
    renderer.Render(surface, text, markupArea, MarkupPass::Draw);
    painter.restore();
}
