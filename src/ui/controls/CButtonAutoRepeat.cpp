#include "controls/CButtonAutoRepeat.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

CButtonAutoRepeat::CButtonAutoRepeat(QWidget* parent) : CButtonAutoRepeat(QString(), parent)
{
}

CButtonAutoRepeat::CButtonAutoRepeat(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    // The intervals are part of how the button feels; a coarse timer may stretch them by 5 %.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &CButtonAutoRepeat::onTimer);
}

void CButtonAutoRepeat::setRepeatDelays(int firstMs, int repeatMs)
{
    m_firstDelayMs = std::max(1, firstMs);
    m_repeatDelayMs = std::max(1, repeatMs);
}

void CButtonAutoRepeat::mousePressEvent(QMouseEvent* event)
{
    QPushButton::mousePressEvent(event);
    // A double-click arrives here as well (QWidget's default), which makes it a second press.
    if (event->button() != Qt::LeftButton || !isDown())
        return;
    m_repeatCount = 0;
    m_timer.start(m_firstDelayMs);
    emit command(m_controlId);
}

void CButtonAutoRepeat::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        stopRepeat();
    QPushButton::mouseReleaseEvent(event);
}

void CButtonAutoRepeat::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        QPushButton::keyPressEvent(event);  // shows the button pushed
        event->accept();
        emit command(m_controlId);
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CButtonAutoRepeat::onTimer()
{
    // While the pointer is dragged off the button it is no longer shown pushed: the
    // timer keeps its pace but sends nothing, and repeating resumes when the pointer
    // comes back over the button.
    if (!isDown())
        return;
    m_timer.start(m_repeatDelayMs);
    ++m_repeatCount;
    emit command(m_controlId);
}

void CButtonAutoRepeat::stopRepeat()
{
    m_timer.stop();
}

void CButtonAutoRepeat::hideEvent(QHideEvent* event)
{
    // A hidden or disabled button never sees the release; it must not go on repeating.
    stopRepeat();
    setDown(false);
    QPushButton::hideEvent(event);
}

void CButtonAutoRepeat::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        stopRepeat();
        setDown(false);
    }
    QPushButton::changeEvent(event);
}
