// Toggle button of the realm-ability level columns.
#pragma once

#include <QAbstractButton>

// Two flags: pressed (the level is taken) and available (it can be afforded). A click
// or the space bar flips the pressed flag and then posts command() with the control
// id, so the owner handles it after the click is over (and may flip the flag back).
//
// Mouse moves over the button are passed to the parent widget in its coordinates, so
// that a list behind the button keeps seeing the pointer. Place the button on the
// list's viewport(). The moves are passed without buttons: they feed hovering, and a
// list must not start a drag selection because a level button is held.
class CToggleButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CToggleButton(QWidget* parent = nullptr);
    explicit CToggleButton(const QString& text, QWidget* parent = nullptr);

    void setControlId(int id) { m_controlId = id; }
    int controlId() const { return m_controlId; }

    bool isPressed() const { return isChecked(); }
    void setPressed(bool pressed) { setChecked(pressed); }

    bool isAvailable() const { return m_available; }
    void setAvailable(bool available);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void command(int controlId);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void postCommand();

    bool m_available = false;
    int m_controlId = 0;
};
