// Drawing of the two-way selection button.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;
class QPalette;
class QStyle;
class QWidget;

// A push-button frame with the caption on one line at the top and an arrow below it
// that bends to the right when the button is selected and to the left when it is not.
class CButtonSelectPainter {
public:
    struct State {
        QString caption;
        bool selected = false;
        bool held = false;  // the mouse holds the button down: the frame is drawn pushed
        bool focused = false;
        bool enabled = true;
    };

    // The arrow: from the centre down by a quarter of the height, sideways by a third of
    // the width, down by another quarter, and a head of two 3-pixel strokes at the tip.
    struct Arrow {
        QPoint start;
        QPoint bend;      // end of the first downward stroke
        QPoint corner;    // end of the sideways stroke
        QPoint tip;       // end of the second downward stroke
        QPoint headLeft;  // the head's strokes run from the tip up to these points
        QPoint headRight;
    };

    static constexpr int kCaptionInset = 4;
    static constexpr int kArrowHead = 3;

    static Arrow arrowFor(const QRect& button, bool selected);
    static QRect captionRect(const QRect& button);

    // style may be null (the application style is used); widget is handed to the style.
    static void paint(QPainter& painter, const QRect& rect, const State& state, const QPalette& palette,
                      const QStyle* style, const QWidget* widget = nullptr);
};
