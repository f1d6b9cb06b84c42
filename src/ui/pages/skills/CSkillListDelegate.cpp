#include "pages/skills/CSkillListDelegate.h"

#include <QPainter>

#include <algorithm>

#include "pages/skills/SkillsRules.h"

namespace {

using skills_rules::RowKind;

QColor ToQColor(MarkupColor colour)
{
    return QColor(MarkupRed(colour), MarkupGreen(colour), MarkupBlue(colour));
}

RowKind KindOf(const QModelIndex& index)
{
    return static_cast<RowKind>(index.siblingAtColumn(0).data(CSkillListDelegate::kKindRole).toInt());
}

bool HasEntries(const QModelIndex& index)
{
    const RowKind kind = KindOf(index);
    return index.column() == skills_rules::kLevelColumn &&
           (kind == RowKind::BaseGroup || kind == RowKind::LevelGroup);
}

// The selection tints the row instead of covering it, so that the entry
// colours stay readable on the selected (hovered) row.
QColor Tinted(const QColor& base, const QColor& highlight)
{
    constexpr int kShare = 35;  // percent of the highlight colour
    const auto mix = [](int a, int b) { return (a * (100 - kShare) + b * kShare) / 100; };
    return QColor(mix(base.red(), highlight.red()), mix(base.green(), highlight.green()),
                  mix(base.blue(), highlight.blue()));
}

}  // namespace

CSkillListDelegate::CSkillListDelegate(QObject* parent) : QStyledItemDelegate(parent)
{
}

void CSkillListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    const RowKind kind = KindOf(index);
    const std::optional<MarkupColor> background = skills_rules::CellBackground(kind, index.column());
    if (!background)
        return;  // the line's level control covers this cell

    painter->save();
    const QRect cell = option.rect;
    QColor fill = ToQColor(*background);
    if (option.state & QStyle::State_Selected)
        fill = Tinted(fill, option.palette.color(QPalette::Active, QPalette::Highlight));
    painter->fillRect(cell, fill);
    painter->setFont(option.font);
    painter->setClipRect(cell);

    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect textArea = cell.adjusted(kTextPadding, 0, -kTextPadding, 0);
    if (!HasEntries(index)) {
        painter->setPen(ToQColor(skills_rules::kOtherEntry));
        const QString shown = option.fontMetrics.elidedText(text, Qt::ElideRight, textArea.width());
        painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
        painter->restore();
        return;
    }

    const skills_rules::RowData data = skills_rules::UnpackRowData(index.data(kDataRole).toInt());
    int x = textArea.left();
    int position = 0;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int advance = option.fontMetrics.horizontalAdvance(word + QLatin1Char(' '));
        painter->setPen(ToQColor(skills_rules::EntryColour(position, word.toInt(), data)));
        painter->drawText(QRect(x, cell.top(), advance, cell.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, word);
        x += advance;
        ++position;
    }
    painter->restore();
}

QSize CSkillListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    int width = 0;
    if (HasEntries(index)) {
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            width += option.fontMetrics.horizontalAdvance(word + QLatin1Char(' '));
    } else {
        width = option.fontMetrics.horizontalAdvance(text);
    }
    const int height = std::max(m_rowHeight, option.fontMetrics.height() + 4);
    return {width + 2 * kTextPadding + 2, height};
}
