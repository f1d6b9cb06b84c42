#include "controls/CToggleButton.h"

#include "controls/CToggleButtonPainter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

CToggleButton::CToggleButton(QWidget* parent) : CToggleButton(QString(), parent)
{
}

CToggleButton::CToggleButton(const QString& text, QWidget* parent) : QAbstractButton(parent)
{
    setText(text);
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    connect(this, &QAbstractButton::clicked, this, &CToggleButton::postCommand);
}

void CToggleButton::setAvailable(bool available)
{
    if (m_available == available)
        return;
    m_available = available;
    update();
}

QSize CToggleButton::sizeHint() const
{
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()) + 12, fm.height() + 6};
}

QSize CToggleButton::minimumSizeHint() const
{
    return {8, 8};
}

void CToggleButton::postCommand()
{
    // Queued with this button as context: a button destroyed before the owner gets to
    // it (the page rebuilt its rows) sends nothing.
    QMetaObject::invokeMethod(
        this, [this] { emit command(m_controlId); }, Qt::QueuedConnection);
}

void CToggleButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    CToggleButtonPainter::State s;
    s.caption = text();
    s.pressed = isPressed();
    s.available = m_available;
    s.held = isDown();
    s.focused = hasFocus();
    s.enabled = isEnabled();
    CToggleButtonPainter::paint(painter, rect(), s, palette(), style(), this);
}

void CToggleButton::mouseMoveEvent(QMouseEvent* event)
{
    QAbstractButton::mouseMoveEvent(event);
    QWidget* target = parentWidget();
    if (!target)
        return;
    // Handled here: an ignored move would also travel up to the parent on its own.
    event->accept();
    const QPointF local = mapToParent(event->position());
    QMouseEvent moved(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                      event->modifiers(), event->pointingDevice());
    QApplication::sendEvent(target, &moved);
}
