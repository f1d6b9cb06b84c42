// Balloon tooltip for the markup texts of a page. The page registers tools
// (a widget, optionally a rectangle in it, and a markup text) and relays its
// mouse and key events (relayEvent, or watch() to filter a whole widget tree).
// A tip appears when the pointer has rested on a tool for the initial delay,
// switches at once to another tool while shown, and goes on a key or mouse
// button press or when the pointer leaves all tools.
//
// Lists that report the row under the pointer feed itemHovered() with that
// row's text, and itemsScrolled() when their rows move.
#pragma once

#include <QFont>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "markup/BalloonGeometry.h"
#include "markup/CRichMarkupRenderer.h"

class CRichTooltip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultInitialDelay = 500;
    static constexpr int kMaxInitialDelay = 5000;
    static constexpr int kDefaultHideDelay = 5000;

    explicit CRichTooltip(QWidget* page);
    ~CRichTooltip() override;

    // Milliseconds; the initial delay is kept within 0..5000, hide delay 0 = never.
    void setInitialDelay(int milliseconds);
    int initialDelay() const { return m_initialDelay; }
    void setHideDelay(int milliseconds);
    int hideDelay() const { return m_hideDelay; }
    void setShadow(bool on);
    bool shadow() const { return m_shadow; }
    // Keep a shown tip while the pointer stays on its tool (even past the hide delay).
    void setKeepWhileOnTool(bool on) { m_keepWhileOnTool = on; }

    // An empty rectangle stands for the widget's whole area. Texts are Windows-1252.
    void addTool(QWidget* window, std::string text, const QRect& rect = QRect());
    // Replaces the text of the window's first tool (shown again at once when it
    // is the tip on screen), or adds a tool for the whole window.
    void updateTipText(QWidget* window, std::string text);
    void removeAllTools();
    int toolCount() const { return static_cast<int>(m_tools.size()); }
    std::string toolText(int tool) const;

    // Every mouse and key event of the page's widgets, before they handle it.
    void relayEvent(QWidget* receiver, QEvent* event);
    // Relays the events of the widget and of its children, present and future,
    // and turns mouse tracking on for them.
    void watch(QWidget* root);

    bool isTipShown() const { return isVisible(); }
    int currentTool() const { return m_current; }
    int waitingTool() const { return m_waiting; }
    // Milliseconds until a waiting tip shows; -1 when none waits.
    int remainingShowDelay() const;
    const BalloonGeometry& balloonGeometry() const { return m_geometry; }
    const MarkupPalette& colors() const { return m_renderer.Palette(); }
    const QFont& baseFont() const { return m_baseFont; }

    // Where the pointer is, in screen coordinates (QCursor::pos() unless a
    // test puts in its own).
    void setPointerSource(std::function<QPoint()> source);

public slots:
    void itemHovered(QWidget* list, const std::string& markup, const QPoint& globalPos);
    void itemsScrolled();
    void hideTip();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Tool {
        QPointer<QWidget> window;
        QRect rect;
        std::string text;
    };

    void relayMove(QWidget* receiver, const QPoint& globalPos);
    void pressed();
    int toolAt(QWidget* receiver, const QPoint& globalPos) const;
    bool pointerOverTip(const QPoint& globalPos) const;
    void showTip(int tool, const QPoint& globalPos);
    void onShowTimer();
    void onHideTimer();
    void forget();
    void watchTree(QWidget* widget);

    std::vector<Tool> m_tools;
    CRichMarkupRenderer m_renderer;
    QFont m_baseFont;
    BalloonGeometry m_geometry;
    std::string m_shownText;
    QTimer m_showTimer;
    QTimer m_hideTimer;
    int m_initialDelay = kDefaultInitialDelay;
    int m_hideDelay = kDefaultHideDelay;
    bool m_shadow = true;
    bool m_keepWhileOnTool = true;
    int m_current = -1;
    int m_waiting = -1;
    // Hidden by a key or button press: stays hidden until the pointer leaves the tool.
    bool m_suppressed = false;
    static constexpr QPoint kNoPosition{-1000000, -1000000};
    QPoint m_lastPos = kNoPosition;
    QPointer<QWidget> m_lastReceiver;
    std::function<QPoint()> m_pointer;
    std::vector<QPointer<QWidget>> m_watched;
};
