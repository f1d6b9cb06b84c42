// Push button that keeps sending its command while it is held down.
#pragma once

#include <QPushButton>
#include <QTimer>

// Pressing the button sends one command at once; while the button stays pushed the
// command repeats, first after a longer pause and then at a steady rate. Each key-down
// of the space bar sends one command, so the keyboard's own repeat drives it as well.
// Owners listen to command(), not to clicked(): clicked() still fires on release and
// would count the press twice.
class CButtonAutoRepeat : public QPushButton {
    Q_OBJECT
public:
    static constexpr int kFirstDelayMs = 500;
    static constexpr int kRepeatDelayMs = 100;

    explicit CButtonAutoRepeat(QWidget* parent = nullptr);
    explicit CButtonAutoRepeat(const QString& text, QWidget* parent = nullptr);

    void setControlId(int id) { m_controlId = id; }
    int controlId() const { return m_controlId; }

    // The pause before the first repeat and the interval of the following ones.
    void setRepeatDelays(int firstMs, int repeatMs);
    int firstDelay() const { return m_firstDelayMs; }
    int repeatDelay() const { return m_repeatDelayMs; }

    // Repeats sent since the last press (the command sent at the press itself is not one).
    int repeatCount() const { return m_repeatCount; }
    bool isRepeating() const { return m_timer.isActive(); }

signals:
    void command(int controlId);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void onTimer();
    void stopRepeat();

    QTimer m_timer;
    int m_firstDelayMs = kFirstDelayMs;
    int m_repeatDelayMs = kRepeatDelayMs;
    int m_repeatCount = 0;
    int m_controlId = 0;
};
