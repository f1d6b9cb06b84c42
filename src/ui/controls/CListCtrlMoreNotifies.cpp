#include "controls/CListCtrlMoreNotifies.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QWheelEvent>

#include <utility>

CListCtrlMoreNotifies::CListCtrlMoreNotifies(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);

    header()->viewport()->installEventFilter(this);
    connect(header(), &QHeaderView::sectionResized, this, &CListCtrlMoreNotifies::onSectionResized);
}

bool CListCtrlMoreNotifies::isScrollKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

void CListCtrlMoreNotifies::scrollContentsBy(int dx, int dy)
{
    QTreeWidget::scrollContentsBy(dx, dy);
    // Inside a wheel turn or a scroll key the one signal follows when it is done.
    if (m_userScrollDepth == 0)
        emit scrolled(m_controlId);
}

void CListCtrlMoreNotifies::wheelEvent(QWheelEvent* event)
{
    ++m_userScrollDepth;
    QTreeWidget::wheelEvent(event);
    --m_userScrollDepth;
    emit scrolled(m_controlId);
}

void CListCtrlMoreNotifies::keyPressEvent(QKeyEvent* event)
{
    if (!isScrollKey(event->key())) {
        QTreeWidget::keyPressEvent(event);
        return;
    }
    ++m_userScrollDepth;
    QTreeWidget::keyPressEvent(event);
    --m_userScrollDepth;
    emit scrolled(m_controlId);
}

void CListCtrlMoreNotifies::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    QTreeWidget::mouseMoveEvent(event);
    const QModelIndex index = indexAt(pos);
    if (index.isValid() && !index.parent().isValid())
        emit itemHovered(m_controlId, index.row(), index.column(), pos);
}

int CListCtrlMoreNotifies::dividerAt(int x) const
{
    // The same grip the header uses to start a resize: a few pixels either side of a
    // section edge; the left edge of a section is the divider of the visible one before.
    const QHeaderView* h = header();
    int visual = h->visualIndexAt(x);
    if (visual < 0)
        return -1;
    const int logical = h->logicalIndex(visual);
    const int start = h->sectionViewportPosition(logical);
    const int grip = h->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, h);
    bool atStart = x < start + grip;
    bool atEnd = x > start + h->sectionSize(logical) - grip;
    if (isRightToLeft())
        std::swap(atStart, atEnd);
    int column = -1;
    if (atStart) {
        while (--visual >= 0) {
            const int before = h->logicalIndex(visual);
            if (!h->isSectionHidden(before)) {
                column = before;
                break;
            }
        }
    } else if (atEnd) {
        column = logical;
    }
    if (column >= 0 && h->sectionResizeMode(column) != QHeaderView::Interactive)
        return -1;
    return column;
}

bool CListCtrlMoreNotifies::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (watched == header()->viewport() && (press || release)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (press && mouse->button() == Qt::LeftButton && m_trackedColumn < 0) {
            m_trackedColumn = dividerAt(mouse->position().toPoint().x());
            if (m_trackedColumn >= 0)
                emit columnTrackBegin(m_controlId, m_trackedColumn);
        } else if (release && mouse->button() == Qt::LeftButton && m_trackedColumn >= 0) {
            const int column = m_trackedColumn;
            m_trackedColumn = -1;
            emit columnTrackEnd(m_controlId, column, header()->sectionSize(column));
        }
    }
    return QTreeWidget::eventFilter(watched, event);
}

void CListCtrlMoreNotifies::onSectionResized(int column, int, int newSize)
{
    // Only the dragged divider tracks: a stretching last column that follows it, or
    // columns sized by the program, are no drag.
    if (column == m_trackedColumn)
        emit columnTrack(m_controlId, column, newSize);
}
