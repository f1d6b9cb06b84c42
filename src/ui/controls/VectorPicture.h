// Small pictures drawn as vectors on a square grid, so that they are painted
// for whatever size and pixel ratio they are shown at and stay crisp at 200 %.
#pragma once

#include <QIcon>

#include <functional>

class QPainter;
class QRectF;

// Paints on a grid × grid square centred in the box and scaled to its smaller
// side, antialiased; the painter is as before on return.
void PaintOnSquareGrid(QPainter& painter, const QRectF& box, qreal grid, const std::function<void(QPainter&)>& paint);

// An icon whose pixmaps are painted by `paint` into the whole pixmap, for the
// device pixels of the screen it is shown on.
QIcon VectorPictureIcon(std::function<void(QPainter&, const QRectF&)> paint);
