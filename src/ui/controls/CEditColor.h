// Edit field with its own text and background colours (used read-only for results).
#pragma once

#include <QColor>
#include <QLineEdit>

#include <optional>

// Until colours are set, the text is in the window-text colour and the background is
// the button face when the field is read-only and the window colour otherwise; the
// default follows later setReadOnly() calls and palette changes.
class CEditColor : public QLineEdit {
    Q_OBJECT
public:
    explicit CEditColor(QWidget* parent = nullptr);

    void setTextColor(const QColor& color);
    void setBackgroundColor(const QColor& color);
    void resetColors();

    QColor textColor() const;
    QColor backgroundColor() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyColors();

    std::optional<QColor> m_text;
    std::optional<QColor> m_background;
    bool m_applying = false;
};
