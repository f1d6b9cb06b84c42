#include "shell/CHeaderSpinField.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

CHeaderSpinField::CHeaderSpinField(QWidget* parent) : QAbstractSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSpinBox::editingFinished, this, &CHeaderSpinField::committed);
}

QString CHeaderSpinField::text() const
{
    return lineEdit()->text();
}

void CHeaderSpinField::setText(const QString& text)
{
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

void CHeaderSpinField::setSampleText(const QString& sample)
{
    m_sample = sample;
    updateGeometry();
}

void CHeaderSpinField::setBackgroundColor(const QColor& color)
{
    m_background = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
    update();
}

void CHeaderSpinField::resetBackgroundColor()
{
    if (!m_background)
        return;
    m_background.reset();
    setPalette(QPalette());
    update();
}

QColor CHeaderSpinField::backgroundColor() const
{
    return lineEdit()->palette().color(QPalette::Base);
}

void CHeaderSpinField::stepBy(int steps)
{
    // Qt counts upward steps as positive; the owner's rules count them negative.
    emit stepped(-steps);
}

QAbstractSpinBox::StepEnabled CHeaderSpinField::stepEnabled() const
{
    // The owner clamps; both directions always do something or nothing harmlessly.
    return isReadOnly() ? StepNone : (StepUpEnabled | StepDownEnabled);
}

QSize CHeaderSpinField::sizeHint() const
{
    ensurePolished();
    const QFontMetrics metrics(fontMetrics());
    // The line edit's own text margins and the cursor need a little room.
    const int width = metrics.horizontalAdvance(m_sample.isEmpty() ? QStringLiteral("00") : m_sample) + 8;
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option,
                                     QSize(width, lineEdit()->sizeHint().height()), this);
}

QSize CHeaderSpinField::minimumSizeHint() const
{
    return sizeHint();
}
