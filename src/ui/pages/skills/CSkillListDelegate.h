// Draws the rows of the skill list: each cell on the background of its row's
// kind, and the Level column of group rows as single entries coloured by what
// the character reaches (hovered, reached, reachable with bonuses, beyond).
#pragma once

#include <QStyledItemDelegate>

class CSkillListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // The row data value, kept on the Level cell that is drawn from it: a
    // change of it repaints that cell.
    static constexpr int kDataRole = Qt::UserRole;
    // The row kind, kept on column 0 of every item.
    static constexpr int kKindRole = Qt::UserRole + 1;
    // Space between a cell's edge and its text; the hover mapping measures from here.
    static constexpr int kTextPadding = 4;

    explicit CSkillListDelegate(QObject* parent = nullptr);

    // Rows are at least this high, so that the controls laid over them fit.
    void setRowHeight(int height) { m_rowHeight = height; }
    int rowHeight() const { return m_rowHeight; }

    // x in viewport coordinates, as an offset from the start of the cell's text.
    static int TextOffset(int cellLeft, int x) { return x - cellLeft - kTextPadding; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_rowHeight = 0;
};
