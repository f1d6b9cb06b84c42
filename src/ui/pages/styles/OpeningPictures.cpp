#include "pages/styles/OpeningPictures.h"

#include <QPainter>
#include <QPainterPath>

#include "controls/VectorPicture.h"
#include "pages/styles/StylesRules.h"

namespace {

constexpr int kStealthedFirst = 9;

// Drawn on a 16 × 16 grid and scaled to the box.
constexpr qreal kGrid = 16.0;

const QColor kFoe(70, 70, 70);
const QColor kAttack(200, 40, 30);
const QColor kNeutral(90, 110, 140);
const QColor kReaction(30, 120, 60);
const QColor kShield(40, 80, 170);
const QColor kChain(150, 100, 20);
const QColor kNight(95, 45, 150);

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour)
{
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QLineF shaft(to, from);
    QLineF wing = shaft;
    wing.setLength(4.0);
    wing.setAngle(shaft.angle() + 35);
    p.drawLine(wing);
    wing.setAngle(shaft.angle() - 35);
    p.drawLine(wing);
}

// The opponent seen from above, facing up: a ring with a nose.
void Foe(QPainter& p)
{
    p.setPen(QPen(kFoe, 1.4));
    p.setBrush(QColor(235, 235, 235));
    p.drawEllipse(QPointF(8, 8.5), 3.5, 3.5);
    p.setBrush(kFoe);
    p.drawPolygon(QPolygonF({QPointF(6.5, 5.6), QPointF(9.5, 5.6), QPointF(8, 3.6)}));
    p.setBrush(Qt::NoBrush);
}

void Shield(QPainter& p)
{
    QPainterPath shield;
    shield.moveTo(8, 1.5);
    shield.cubicTo(10.5, 2.8, 12.5, 3, 13.5, 3);
    shield.cubicTo(13.5, 9, 11.5, 12.5, 8, 14.5);
    shield.cubicTo(4.5, 12.5, 2.5, 9, 2.5, 3);
    shield.cubicTo(3.5, 3, 5.5, 2.8, 8, 1.5);
    p.setPen(QPen(kShield.darker(140), 1.2));
    p.setBrush(kShield);
    p.drawPath(shield);
    p.setPen(QPen(Qt::white, 1.2));
    p.drawLine(QPointF(8, 4), QPointF(8, 12));
}

void Blades(QPainter& p)
{
    p.setPen(QPen(kReaction.darker(110), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
    p.drawLine(QPointF(2.5, 2.5), QPointF(13.5, 13.5));
    p.setPen(QPen(kFoe, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(1.8, 11), QPointF(5, 14.2));
    p.drawLine(QPointF(11, 14.2), QPointF(14.2, 11));
}

void Dodge(QPainter& p)
{
    QPainterPath swoosh;
    swoosh.moveTo(3, 13);
    swoosh.cubicTo(3, 6, 7, 3, 13, 3);
    p.setPen(QPen(kReaction, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(swoosh);
    Arrow(p, QPointF(11, 3), QPointF(13.5, 3), kReaction);
    p.setPen(QPen(kReaction, 1.2, Qt::DotLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 13), QPointF(13, 8));
}

void Crosshair(QPainter& p)
{
    p.setPen(QPen(kAttack, 1.5));
    p.drawEllipse(QPointF(8, 8), 5, 5);
    p.drawLine(QPointF(8, 1), QPointF(8, 5));
    p.drawLine(QPointF(8, 11), QPointF(8, 15));
    p.drawLine(QPointF(1, 8), QPointF(5, 8));
    p.drawLine(QPointF(11, 8), QPointF(15, 8));
    p.setBrush(kAttack);
    p.drawEllipse(QPointF(8, 8), 1.2, 1.2);
    p.setBrush(Qt::NoBrush);
}

void FollowUp(QPainter& p)
{
    p.setPen(QPen(kChain, 1.6));
    p.drawRoundedRect(QRectF(1.5, 5, 7, 6), 3, 3);
    p.drawRoundedRect(QRectF(7.5, 5, 7, 6), 3, 3);
}

void AnyTime(QPainter& p)
{
    p.setPen(QPen(kNeutral, 1.6));
    p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
    p.setBrush(kNeutral);
    p.drawEllipse(QPointF(8, 8), 1.8, 1.8);
    p.setBrush(Qt::NoBrush);
}

// A crescent moon in the lower right corner marks the stealthed openings.
void Stealth(QPainter& p)
{
    QPainterPath moon;
    moon.addEllipse(QPointF(12.5, 12.5), 3.3, 3.3);
    QPainterPath bite;
    bite.addEllipse(QPointF(14.2, 11.2), 2.8, 2.8);
    p.setPen(QPen(Qt::white, 1.0));
    p.setBrush(kNight);
    p.drawPath(moon.subtracted(bite));
    p.setBrush(Qt::NoBrush);
}

void PaintOnGrid(QPainter& p, int picture)
{
    const bool stealthed = picture >= kStealthedFirst;
    const int opening = stealthed ? picture - (kStealthedFirst - 1) : picture;
    switch (opening) {
    case 0: AnyTime(p); break;
    case 1: Foe(p); Arrow(p, QPointF(8, 0.8), QPointF(8, 3.6), kAttack); break;
    case 2: Foe(p); Arrow(p, QPointF(8, 15.5), QPointF(8, 12.2), kAttack); break;
    case 3: Foe(p); Arrow(p, QPointF(0.6, 8.5), QPointF(4.2, 8.5), kAttack); break;
    case 4: Dodge(p); break;
    case 5: Shield(p); break;
    case 6: Blades(p); break;
    case 7: Crosshair(p); break;
    case 8: FollowUp(p); break;
    default: return;
    }
    if (stealthed)
        Stealth(p);
}

}  // namespace

void PaintOpeningPicture(QPainter& painter, const QRectF& box, int picture)
{
    if (picture >= 0 && picture < styles_rules::kPictureCount)
        PaintOnSquareGrid(painter, box, kGrid, [picture](QPainter& p) { PaintOnGrid(p, picture); });
}

QIcon OpeningIcon(int picture)
{
    return VectorPictureIcon([picture](QPainter& painter, const QRectF& box) { PaintOpeningPicture(painter, box, picture); });
}
