// Report-style list that also tells its owner about hovering, scrolling and column drags.
#pragma once

#include <QPoint>
#include <QTreeWidget>

// A flat list with columns (no tree decoration, full-row selection). On top of the
// usual item signals it reports:
// - scrolled(): after every scroll of the contents, and after each wheel turn and each
//   Page Up/Down, Home, End or arrow key even when nothing moved; one signal per action;
// - itemHovered(): every mouse move over an item, with its row, column and the pointer
//   position in viewport coordinates (widgets placed on viewport() that pass their
//   mouse moves on, such as CToggleButton, keep this fed);
// - columnTrackBegin/columnTrack/columnTrackEnd: a column divider dragged with the mouse.
class CListCtrlMoreNotifies : public QTreeWidget {
    Q_OBJECT
public:
    explicit CListCtrlMoreNotifies(QWidget* parent = nullptr);

    void setControlId(int id) { m_controlId = id; }
    int controlId() const { return m_controlId; }

    // The column whose divider is being dragged, -1 when none.
    int trackedColumn() const { return m_trackedColumn; }

signals:
    void scrolled(int controlId);
    void itemHovered(int controlId, int row, int column, QPoint position);
    void columnTrackBegin(int controlId, int column);
    void columnTrack(int controlId, int column, int width);
    void columnTrackEnd(int controlId, int column, int width);

protected:
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onSectionResized(int column, int oldSize, int newSize);
    static bool isScrollKey(int key);
    int dividerAt(int x) const;

    int m_userScrollDepth = 0;
    int m_trackedColumn = -1;
    int m_controlId = 0;
};
