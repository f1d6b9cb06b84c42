// The auto-train field of a line on the skills page: shows the short text of
// the line's auto-train mask, spins it a step at a time, takes typed short
// text and opens the auto-train dialog from a small button at its right end.
#pragma once

#include <QWidget>

#include <cstdint>

struct CShellContext;
class QLineEdit;
class QToolButton;

// Up/Down and the wheel spin; F4 or Alt+Down open the dialog. Typed text is
// read when editing finishes (Return or leaving the field) and not before:
// every change the owner hears about may raise the line's level, and half-typed
// text ("1" on the way to "12") must not. maskChanged() is sent only when a
// user action changes the mask; setMask() sends nothing.
//
// The dialog's texts need the shell; the field takes the context given with
// setShellContext(), else that of the page it sits on.
class CEditAutoTrain : public QWidget {
    Q_OBJECT
public:
    explicit CEditAutoTrain(QWidget* parent = nullptr, int id = 0);

    int controlId() const { return m_id; }
    void setShellContext(CShellContext* context);

    // Steps 0..12; the mask is cut to the new maximum (without notice).
    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    void setMask(std::uint32_t mask);
    std::uint32_t mask() const { return m_mask; }

    // A spin by delta steps, as Up (+1) or Down (-1); typed text is taken first.
    void stepBy(int delta);
    // Runs the dialog on the field's mask and takes what it returns on OK.
    void openDialog();

    QLineEdit* editField() const { return m_edit; }
    QToolButton* dialogButton() const { return m_button; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void maskChanged(int id, std::uint32_t mask);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    CShellContext* shellContext() const;
    void showMask();
    void takeTypedText();
    void change(std::uint32_t mask);
    void applyTexts();

    QLineEdit* m_edit = nullptr;
    QToolButton* m_button = nullptr;
    CShellContext* m_context = nullptr;
    std::uint32_t m_mask = 0;
    int m_minimum = 0;
    int m_maximum = 12;
    int m_id = 0;
    bool m_edited = false;
    int m_wheelRemainder = 0;
};
