// The balloon's look: outline (rounded body with the anchor towards the
// pointer), window shape, shadow, fill, frame and the text in draw mode.
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRegion>

#include <string_view>

#include "markup/BalloonGeometry.h"
#include "markup/MarkupTypes.h"

class CRichMarkupRenderer;
class QPainter;
class QRect;

class QtBalloonPainter {
public:
    static QPainterPath Outline(const BalloonGeometry& geometry);
    // Balloon and shadow together: the window's shape.
    static QRegion Shape(const BalloonGeometry& geometry);
    static void Paint(QPainter& painter, const BalloonGeometry& geometry, CRichMarkupRenderer& renderer,
                      std::string_view text, const QFont& baseFont);
    // The text alone, measured and drawn into the area (clipped to it).
    static void PaintText(QPainter& painter, CRichMarkupRenderer& renderer, std::string_view text,
                          const QFont& baseFont, const QRect& area);
};
