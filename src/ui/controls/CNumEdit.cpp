#include "controls/CNumEdit.h"

#include "controls/CButtonAutoRepeat.h"
#include "controls/CEditKeyResponse.h"

#include <QApplication>
#include <QFocusEvent>
#include <QResizeEvent>

#include <algorithm>
#include <climits>

CNumEdit::CNumEdit(QWidget* parent) : QWidget(parent)
{
    m_minus = new CButtonAutoRepeat(QStringLiteral("\u2212"), this);  // a minus sign as wide as the plus
    m_plus = new CButtonAutoRepeat(QStringLiteral("+"), this);
    m_edit = new CEditKeyResponse(this);
    // The buttons are for the mouse; the keyboard steps with "+" and "-" in the field,
    // so Tab goes from field to field and not through every button.
    m_minus->setFocusPolicy(Qt::NoFocus);
    m_plus->setFocusPolicy(Qt::NoFocus);
    m_edit->setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_edit);

    connect(m_minus, &CButtonAutoRepeat::command, this, [this] { step(-1); });
    connect(m_plus, &CButtonAutoRepeat::command, this, [this] { step(+1); });
    connect(m_edit, &CEditKeyResponse::keyCommand, this, &CNumEdit::onKeyCommand);
    connect(m_edit, &QLineEdit::returnPressed, this, &CNumEdit::takeTypedNumber);
    m_edit->installEventFilter(this);

    showValue();
    applyColors();
}

int CNumEdit::parseTypedNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        magnitude = magnitude * 10 + (text[i].unicode() - u'0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1)
            magnitude = static_cast<long long>(INT_MAX) + 1;  // keep saturated, never overflow
    }
    const long long v = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

int CNumEdit::clampToRange(long long value) const
{
    // Lower bound last: an inverted range never lets the value fall below the minimum.
    value = std::min<long long>(value, m_maximum);
    value = std::max<long long>(value, m_minimum);
    return static_cast<int>(value);
}

void CNumEdit::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    if (m_value <= m_maximum)
        showValue();
}

bool CNumEdit::setValue(int value)
{
    const int v = clampToRange(value);
    if (v == m_value)
        return false;
    m_value = v;
    showValue();
    return true;
}

void CNumEdit::step(int delta)
{
    const int before = m_value;
    const bool typed = m_edit->isModified();
    const int base = typed ? parseTypedNumber(m_edit->text()) : m_value;
    m_value = clampToRange(static_cast<long long>(base) + delta);
    // A typed "7" in a field of 1..5 must read "5" afterwards even when 5 was the value.
    if (typed || m_value != before)
        showValue();
    if (m_value != before)
        emit valueChanged(m_controlId, m_value);
}

void CNumEdit::takeTypedNumber()
{
    if (m_edit->isModified())
        step(0);
}

void CNumEdit::showValue()
{
    const bool hadFocus = m_edit->hasFocus();
    m_edit->setText(QString::number(m_value));  // also clears the modified flag
    if (hadFocus)
        m_edit->selectAll();
}

void CNumEdit::onKeyCommand(int, int code)
{
    switch (code) {
    case CEditKeyResponse::PlusKey:
        step(+1);
        break;
    case CEditKeyResponse::MinusKey:
        step(-1);
        break;
    case CEditKeyResponse::UpArrow:
        focusNextPrevChild(false);
        break;
    case CEditKeyResponse::DownArrow:
        focusNextPrevChild(true);
        break;
    default:
        break;
    }
}

bool CNumEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit) {
        if (event->type() == QEvent::FocusIn) {
            // A click places the cursor where it lands; any other way in selects all.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
                m_edit->selectAll();
        } else if (event->type() == QEvent::FocusOut) {
            takeTypedNumber();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CNumEdit::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    // Squares at both ends; on a control narrower than two squares the field gets nothing.
    const int side = std::min(h, w / 2);
    m_minus->setGeometry(0, 0, side, h);
    m_plus->setGeometry(w - side, 0, side, h);
    m_edit->setGeometry(side, 0, std::max(0, w - 2 * side), h);
}

void CNumEdit::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The default colours are the system's; follow it when it changes.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        applyColors();
}

QSize CNumEdit::sizeHint() const
{
    const int h = m_edit->sizeHint().height();
    const int digits = m_edit->fontMetrics().horizontalAdvance(QStringLiteral("-0000")) + 12;
    return {2 * h + digits, h};
}

QSize CNumEdit::minimumSizeHint() const
{
    const int h = m_edit->minimumSizeHint().height();
    return {3 * h, h};
}

void CNumEdit::setBackgroundColor(const QColor& color)
{
    m_background = color;
    applyColors();
}

void CNumEdit::resetColors()
{
    m_background.reset();
    applyColors();
}

QColor CNumEdit::backgroundColor() const
{
    if (m_background)
        return *m_background;
    return QApplication::palette(m_edit).color(QPalette::Active, QPalette::Base);
}

QColor CNumEdit::textColor() const
{
    return QApplication::palette(m_edit).color(QPalette::Active, QPalette::WindowText);
}

void CNumEdit::applyColors()
{
    QPalette pal = m_edit->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Text, textColor());
        pal.setBrush(group, QPalette::Base, QBrush(backgroundColor()));
    }
    m_edit->setPalette(pal);
}
