// The pictures of the seven ability timers of the master levels: a stopwatch
// whose face is cut into seven wedges, of which the timer's number are filled
// (clockwise from twelve o'clock, each number in a colour of its own). Painted
// as vectors for whatever size and pixel ratio they are drawn at, so that they
// stay crisp at 200 %.
#pragma once

class QPainter;
class QRectF;

// Picture 0..6 stands for timer 1..7; any other number paints nothing.
void PaintTimerPicture(QPainter& painter, const QRectF& box, int picture);
