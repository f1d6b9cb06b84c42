#include "controls/CEditColor.h"

#include <QApplication>
#include <QEvent>

CEditColor::CEditColor(QWidget* parent) : QLineEdit(parent)
{
    applyColors();
}

void CEditColor::setTextColor(const QColor& color)
{
    m_text = color;
    applyColors();
}

void CEditColor::setBackgroundColor(const QColor& color)
{
    m_background = color;
    applyColors();
}

void CEditColor::resetColors()
{
    m_text.reset();
    m_background.reset();
    applyColors();
}

QColor CEditColor::textColor() const
{
    if (m_text)
        return *m_text;
    return QApplication::palette(this).color(QPalette::Active, QPalette::WindowText);
}

QColor CEditColor::backgroundColor() const
{
    if (m_background)
        return *m_background;
    const QPalette system = QApplication::palette(this);
    return system.color(QPalette::Active, isReadOnly() ? QPalette::Button : QPalette::Base);
}

void CEditColor::applyColors()
{
    if (m_applying)
        return;
    m_applying = true;
    QPalette pal = palette();
    const QColor text = textColor();
    const QColor back = backgroundColor();
    // All groups: the field keeps its colours in an inactive window too.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (group != QPalette::Disabled)
            pal.setColor(group, QPalette::Text, text);
        pal.setBrush(group, QPalette::Base, QBrush(back));
    }
    setPalette(pal);
    m_applying = false;
}

void CEditColor::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::ReadOnlyChange || event->type() == QEvent::StyleChange ||
        event->type() == QEvent::PaletteChange)
        applyColors();
}
