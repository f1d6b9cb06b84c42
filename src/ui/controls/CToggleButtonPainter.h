// Drawing of the toggle (level) button in its three looks.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QPainter;
class QPalette;
class QStyle;
class QWidget;

class CToggleButtonPainter {
public:
    enum class Look {
        RaisedAvailable,    // raised frame, caption in blue: this level can be taken
        RaisedUnavailable,  // raised frame, caption in the button-text colour
        Filled,             // light-blue fill: this level is taken
    };

    struct State {
        QString caption;
        bool pressed = false;
        bool available = false;
        bool held = false;  // the mouse holds the button down
        bool focused = false;
        bool enabled = true;
    };

    static QColor availableCaptionColor() { return QColor(32, 32, 255); }
    static QColor filledColor() { return QColor(192, 192, 255); }

    // A button held by the mouse shows the look it is about to take, so the raised
    // look appears whenever the pressed flag and the held state agree.
    static Look lookFor(bool pressed, bool held, bool available);

    // style may be null (the application style is used); widget is handed to the style.
    static void paint(QPainter& painter, const QRect& rect, const State& state, const QPalette& palette,
                      const QStyle* style, const QWidget* widget = nullptr);
};
