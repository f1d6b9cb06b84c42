#include "markup/CRichTooltip.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

#include "markup/QtBalloonPainter.h"
#include "markup/QtMarkupSurface.h"

namespace {

MarkupPalette SystemPalette()
{
    const QPalette tip = QToolTip::palette();
    const QPalette app = QApplication::palette();
    return MakeMarkupPalette(QtMarkupSurface::FromQColor(tip.color(QPalette::ToolTipText)),
                             QtMarkupSurface::FromQColor(tip.color(QPalette::ToolTipBase)),
                             QtMarkupSurface::FromQColor(app.color(QPalette::Dark)));
}

}  // namespace

CRichTooltip::CRichTooltip(QWidget* page)
    : QWidget(page, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                        Qt::WindowDoesNotAcceptFocus),
      m_renderer(SystemPalette()), m_baseFont(QApplication::font("QStatusBar"))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    m_showTimer.setSingleShot(true);
    m_hideTimer.setSingleShot(true);
    m_showTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_showTimer, &QTimer::timeout, this, &CRichTooltip::onShowTimer);
    connect(&m_hideTimer, &QTimer::timeout, this, &CRichTooltip::onHideTimer);
    m_pointer = [] { return QCursor::pos(); };
    if (page)
        page->installEventFilter(this);
}

CRichTooltip::~CRichTooltip() = default;

void CRichTooltip::setInitialDelay(int milliseconds)
{
    m_initialDelay = std::clamp(milliseconds, 0, kMaxInitialDelay);
}

void CRichTooltip::setHideDelay(int milliseconds)
{
    m_hideDelay = std::max(milliseconds, 0);
}

void CRichTooltip::setShadow(bool on)
{
    m_shadow = on;
}

void CRichTooltip::setPointerSource(std::function<QPoint()> source)
{
    m_pointer = source ? std::move(source) : std::function<QPoint()>([] { return QCursor::pos(); });
}

void CRichTooltip::addTool(QWidget* window, std::string text, const QRect& rect)
{
    if (!window)
        return;
    m_tools.push_back({window, rect, std::move(text)});
}

void CRichTooltip::updateTipText(QWidget* window, std::string text)
{
    const auto found =
        std::find_if(m_tools.begin(), m_tools.end(), [&](const Tool& t) { return t.window == window; });
    if (found == m_tools.end()) {
        addTool(window, std::move(text));
        return;
    }
    if (found->text == text)
        return;
    found->text = std::move(text);
    const int index = static_cast<int>(found - m_tools.begin());
    if (index == m_current && isVisible())
        showTip(index, m_lastPos);
}

void CRichTooltip::removeAllTools()
{
    m_tools.clear();
    m_showTimer.stop();
    m_hideTimer.stop();
    hideTip();
    forget();
}

std::string CRichTooltip::toolText(int tool) const
{
    return tool >= 0 && tool < toolCount() ? m_tools[tool].text : std::string();
}

int CRichTooltip::remainingShowDelay() const
{
    return m_showTimer.isActive() ? m_showTimer.remainingTime() : -1;
}

void CRichTooltip::watch(QWidget* root)
{
    if (root)
        watchTree(root);
}

void CRichTooltip::watchTree(QWidget* widget)
{
    if (widget == this)
        return;
    if (std::find(m_watched.begin(), m_watched.end(), widget) == m_watched.end()) {
        m_watched.push_back(widget);
        widget->installEventFilter(this);
        widget->setMouseTracking(true);
    }
    for (QObject* child : widget->children()) {
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow())
            watchTree(w);
    }
}

bool CRichTooltip::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    if (event->type() == QEvent::ChildAdded) {
        auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
        if (child && std::find(m_watched.begin(), m_watched.end(), widget) != m_watched.end() &&
            !child->isWindow())
            watchTree(child);
        return false;
    }
    if (event->type() == QEvent::Hide && widget == parentWidget()) {
        m_showTimer.stop();
        hideTip();
        forget();
        return false;
    }
    if (std::find(m_watched.begin(), m_watched.end(), widget) != m_watched.end())
        relayEvent(widget, event);
    return false;
}

void CRichTooltip::relayEvent(QWidget* receiver, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        pressed();
        break;
    case QEvent::MouseMove:
        relayMove(receiver, static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        break;
    case QEvent::Leave:
        // Leaving the page's window entirely counts as moving off every tool;
        // moves between its widgets arrive as moves.
        if (receiver && !receiver->window()->frameGeometry().contains(m_pointer()) &&
            !pointerOverTip(m_pointer())) {
            m_showTimer.stop();
            hideTip();
            forget();
        }
        break;
    default:
        break;
    }
}

void CRichTooltip::pressed()
{
    m_showTimer.stop();
    m_hideTimer.stop();
    m_waiting = -1;
    if (m_current >= 0)
        m_suppressed = true;
    hideTip();
}

void CRichTooltip::relayMove(QWidget* receiver, const QPoint& globalPos)
{
    // Moves that a child passes on to its parent arrive again at the same point.
    if (globalPos == m_lastPos)
        return;
    m_lastPos = globalPos;
    m_lastReceiver = receiver;
    const int tool = toolAt(receiver, globalPos);
    if (tool < 0) {
        if (isVisible() && pointerOverTip(globalPos))
            return;
        m_showTimer.stop();
        m_hideTimer.stop();
        hideTip();
        forget();
        return;
    }
    if (tool == m_current && tool != m_waiting && (isVisible() || m_suppressed))
        return;
    m_suppressed = false;
    if (isVisible()) {
        m_showTimer.stop();
        m_waiting = -1;
        showTip(tool, globalPos);
        return;
    }
    m_waiting = tool;
    m_showTimer.start(m_initialDelay);
}

int CRichTooltip::toolAt(QWidget* receiver, const QPoint& globalPos) const
{
    // The widget under the pointer, or the nearest of its parents that has a
    // tool (a combo box's inner field, a list's viewport).
    for (QWidget* w = receiver; w; w = w->parentWidget()) {
        const QPoint local = w->mapFromGlobal(globalPos);
        for (std::size_t i = 0; i < m_tools.size(); ++i) {
            const Tool& t = m_tools[i];
            if (t.window != w)
                continue;
            const QRect area = t.rect.isEmpty() ? w->rect() : t.rect;
            if (area.contains(local))
                return static_cast<int>(i);
        }
        if (w->isWindow())
            break;
    }
    return -1;
}

bool CRichTooltip::pointerOverTip(const QPoint& globalPos) const
{
    if (!isVisible() || !geometry().contains(globalPos))
        return false;
    const QRegion shape = mask();
    return shape.isEmpty() || shape.contains(mapFromGlobal(globalPos));
}

void CRichTooltip::showTip(int tool, const QPoint& globalPos)
{
    m_current = tool;
    m_shownText = m_tools[tool].text;
    if (m_shownText.empty()) {
        hideTip();
        return;
    }
    QtMarkupSurface surface(nullptr, m_baseFont);
    const MarkupSize size = m_renderer.Render(surface, m_shownText, {0, 0, 0}, MarkupPass::Measure);
    QScreen* screen = QGuiApplication::screenAt(globalPos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect s = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    m_geometry = PlaceBalloon(size, {globalPos.x(), globalPos.y()},
                              {s.left(), s.top(), s.left() + s.width(), s.top() + s.height()}, m_shadow);
    const MarkupRect& w = m_geometry.window;
    setGeometry(w.left, w.top, w.Width(), w.Height());
    setMask(QtBalloonPainter::Shape(m_geometry));
    show();
    update();
    if (m_hideDelay != 0)
        m_hideTimer.start(m_hideDelay);
}

void CRichTooltip::hideTip()
{
    m_hideTimer.stop();
    hide();
}

void CRichTooltip::onShowTimer()
{
    m_hideTimer.stop();
    hideTip();
    const int waiting = m_waiting;
    m_waiting = -1;
    const QPoint pos = m_pointer();
    if (waiting < 0 || waiting >= toolCount() || pos != m_lastPos || toolAt(m_lastReceiver, pos) != waiting)
        return;
    showTip(waiting, pos);
}

void CRichTooltip::onHideTimer()
{
    if (isVisible() && m_keepWhileOnTool && m_current >= 0 &&
        toolAt(m_lastReceiver, m_pointer()) == m_current)
        return;
    hideTip();
    if (m_current >= 0)
        m_suppressed = true;
}

void CRichTooltip::forget()
{
    m_current = -1;
    m_waiting = -1;
    m_suppressed = false;
}

void CRichTooltip::itemHovered(QWidget* list, const std::string& markup, const QPoint& globalPos)
{
    if (!list)
        return;
    const auto found =
        std::find_if(m_tools.begin(), m_tools.end(), [&](const Tool& t) { return t.window == list; });
    int index = static_cast<int>(found - m_tools.begin());
    bool changed = false;
    if (found == m_tools.end()) {
        addTool(list, markup);
    } else if (found->text != markup) {
        found->text = markup;
        changed = true;
    }
    relayMove(list, globalPos);
    // A new row under a shown tip: the new text, beside the pointer where it is now.
    if (changed && index == m_current && isVisible() && m_shownText != markup)
        showTip(index, m_lastPos);
}

void CRichTooltip::itemsScrolled()
{
    m_showTimer.stop();
    hideTip();
    forget();
    // The row under the pointer has changed: the next move counts even if the
    // pointer itself stayed put.
    m_lastPos = kNoPosition;
}

void CRichTooltip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QtBalloonPainter::Paint(painter, m_geometry, m_renderer, m_shownText, m_baseFont);
}
