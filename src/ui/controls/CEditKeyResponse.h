// Edit field that reports plus, minus and the up and down arrows to its owner.
#pragma once

#include <QLineEdit>

// "+" and "-" (main keyboard or keypad) are not typed but reported, as are the up and
// down arrows; a double-click is reported after the field has handled it. Every other
// key behaves as in a plain line edit.
class CEditKeyResponse : public QLineEdit {
    Q_OBJECT
public:
    enum KeyCode {
        PlusKey = 6001,
        MinusKey = 6002,
        UpArrow = 6003,
        DownArrow = 6004,
    };

    explicit CEditKeyResponse(QWidget* parent = nullptr);

    void setControlId(int id) { m_controlId = id; }
    int controlId() const { return m_controlId; }

signals:
    void keyCommand(int controlId, int code);
    void doubleClicked(int controlId);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int m_controlId = 0;
};
