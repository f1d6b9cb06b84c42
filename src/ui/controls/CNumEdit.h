// Numeric field with a minus button, an edit field and a plus button.
#pragma once

#include <QColor>
#include <QWidget>

#include <optional>

class CButtonAutoRepeat;
class CEditKeyResponse;
class QString;

// The buttons step the value by one and repeat while held; in the field "+" and "-"
// step as well, and the up and down arrows move the focus to the previous or next
// control, so that a column of these fields is worked with the keyboard alone. A typed
// number is taken when the field is left, Return is pressed or a step follows.
//
// valueChanged() is sent only when a step or a typed number changes the value; the
// owner's own setValue() sends nothing.
class CNumEdit : public QWidget {
    Q_OBJECT
public:
    explicit CNumEdit(QWidget* parent = nullptr);

    void setControlId(int id) { m_controlId = id; }
    int controlId() const { return m_controlId; }

    // The shown value is rewritten only when the current value does not exceed the new
    // maximum; a value above it stays until the next setValue() or step.
    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // Clamps to the range (the minimum wins should the range be inverted); returns
    // whether the value changed. Shows the new value.
    bool setValue(int value);
    int value() const { return m_value; }

    // Takes a typed number first, then adds delta within the range.
    void step(int delta);

    void setBackgroundColor(const QColor& color);
    void resetColors();
    QColor backgroundColor() const;
    QColor textColor() const;

    CEditKeyResponse* editField() const { return m_edit; }
    CButtonAutoRepeat* minusButton() const { return m_minus; }
    CButtonAutoRepeat* plusButton() const { return m_plus; }

    // Leading decimal digits with an optional sign after leading blanks, as typed into
    // the field; 0 without digits; saturated to the int range.
    static int parseTypedNumber(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void valueChanged(int controlId, int value);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int clampToRange(long long value) const;
    void showValue();
    void takeTypedNumber();
    void onKeyCommand(int controlId, int code);
    void applyColors();

    CButtonAutoRepeat* m_minus = nullptr;
    CButtonAutoRepeat* m_plus = nullptr;
    CEditKeyResponse* m_edit = nullptr;
    int m_value = 0;
    int m_minimum = 0;
    int m_maximum = 0;
    std::optional<QColor> m_background;
    int m_controlId = 0;
};
