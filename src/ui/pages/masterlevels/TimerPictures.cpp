#include "pages/masterlevels/TimerPictures.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

#include "controls/VectorPicture.h"
#include "pages/masterlevels/MasterLevelsRules.h"

namespace {

// Drawn on a 14 × 14 grid and scaled to the box.
constexpr qreal kGrid = 14.0;
constexpr QPointF kCentre(7.0, 8.0);
constexpr qreal kRadius = 5.0;

const QColor kCase(60, 60, 70);
const QColor kFace(250, 250, 250);
const QColor kTick(150, 150, 160);

// One colour per timer, dark enough to stand out on the marked rows' blue.
const std::array<QColor, masterlevels_rules::kTimerIconCount> kWedges = {
    QColor(0, 128, 140), QColor(40, 140, 40), QColor(130, 130, 0), QColor(210, 130, 0),
    QColor(220, 70, 20), QColor(190, 20, 50), QColor(120, 40, 160)};

void PaintOnGrid(QPainter& p, int picture)
{
    const int filled = picture + 1;
    const int wedges = masterlevels_rules::kTimerIconCount;
    const qreal step = 360.0 / wedges;

    // The crown button and the case.
    p.setPen(Qt::NoPen);
    p.setBrush(kCase);
    p.drawRoundedRect(QRectF(5.7, 0.3, 2.6, 1.9), 0.5, 0.5);
    p.drawEllipse(kCentre, kRadius + 0.9, kRadius + 0.9);
    p.setBrush(kFace);
    p.drawEllipse(kCentre, kRadius, kRadius);

    // The wedges that have run, from twelve o'clock clockwise.
    const QRectF face(kCentre.x() - kRadius, kCentre.y() - kRadius, 2 * kRadius, 2 * kRadius);
    p.setBrush(kWedges[static_cast<std::size_t>(picture)]);
    if (filled == wedges)
        p.drawEllipse(face);
    else
        p.drawPie(face, 90 * 16, -static_cast<int>(std::lround(filled * step * 16)));

    // Boundary i lies between wedges i - 1 and i. White spokes part the
    // wedges that have run, grey marks at the rim the others, so that both
    // can be counted.
    for (int i = 0; i < wedges; ++i) {
        const bool before = (i == 0 ? wedges : i) <= filled;  // wedge i - 1 has run
        const bool after = i < filled;
        if (before != after)
            continue;
        const qreal angle = (90.0 - i * step) * std::numbers::pi / 180.0;
        const QPointF out(std::cos(angle), -std::sin(angle));
        p.setPen(QPen(after ? kFace : kTick, 0.8, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(kCentre + out * (after ? 0.0 : kRadius * 0.45), kCentre + out * kRadius);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kCase);
    p.drawEllipse(kCentre, 0.9, 0.9);
}

}  // namespace

void PaintTimerPicture(QPainter& painter, const QRectF& box, int picture)
{
    if (picture >= 0 && picture < masterlevels_rules::kTimerIconCount)
        PaintOnSquareGrid(painter, box, kGrid, [picture](QPainter& p) { PaintOnGrid(p, picture); });
}
