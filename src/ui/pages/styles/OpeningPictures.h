// The small pictures of the style openings, painted as vectors at whatever
// size and pixel ratio they are asked for, so that they stay crisp at 200 %.
// Picture numbers: 0 no requirement, 1 front, 2 behind, 3 side, 4 after evade,
// 5 after block, 6 after parry, 7 target, 8 follow-up, 9..15 the openings
// 1..7 while stealthed.
#pragma once

#include <QIcon>

class QPainter;
class QRectF;

void PaintOpeningPicture(QPainter& painter, const QRectF& box, int picture);

// An icon that paints the picture; an unknown number paints nothing.
QIcon OpeningIcon(int picture);
