// Edit field with spin buttons for the view's level and realm rank. The field
// holds free text (a level, a rank text such as "R5L3"); what a step does is
// up to the owner, so the field only reports steps and commits.
#pragma once

#include <QAbstractSpinBox>
#include <QColor>
#include <QLineEdit>
#include <QString>

#include <optional>

class CHeaderSpinField : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit CHeaderSpinField(QWidget* parent = nullptr);

    QLineEdit* editField() const { return lineEdit(); }
    QString text() const;
    void setText(const QString& text);

    // The widest text the field must show in full; it sizes the field.
    void setSampleText(const QString& sample);

    void setBackgroundColor(const QColor& color);
    void resetBackgroundColor();
    // The colour the field is filled with now.
    QColor backgroundColor() const;

    void stepBy(int steps) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The spin's step count, negative for the upward arrow (mouse, arrow keys,
    // page keys, wheel).
    void stepped(int delta);
    // Enter or leaving the field: take the typed text.
    void committed();

protected:
    StepEnabled stepEnabled() const override;

private:
    QString m_sample;
    std::optional<QColor> m_background;
};
