#include "pages/styles/CPage4.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "controls/CListCtrlMoreNotifies.h"
#include "controls/ReferenceList.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "markup/CRichMarkupView.h"
#include "markup/CRichTooltip.h"
#include "markup/QtCodePage.h"
#include "markup/QtMarkupSurface.h"
#include "pages/styles/OpeningPictures.h"
#include "shell/UiText.h"

namespace {

constexpr int kDataRole = Qt::UserRole;

QList<QTreeWidgetItem*> TreeItems(const std::vector<styles_rules::TreeNode>& nodes)
{
    QList<QTreeWidgetItem*> items;
    for (const styles_rules::TreeNode& node : nodes) {
        auto* item = new QTreeWidgetItem(QStringList{Windows1252ToQString(node.text)});
        item->setData(0, kDataRole, node.data);
        item->setIcon(0, OpeningIcon(node.picture));
        item->addChildren(TreeItems(node.children));
        items << item;
    }
    return items;
}

QTreeWidgetItem* FindTreeItem(QTreeWidgetItem* parent, int data)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QTreeWidgetItem* child = parent->child(i);
        if (child->data(0, kDataRole).toInt() == data)
            return child;
        if (QTreeWidgetItem* found = FindTreeItem(child, data))
            return found;
    }
    return nullptr;
}

QComboBox* AddFilter(QWidget* page, QHBoxLayout* bar, const char* name, const QString& accessibleName)
{
    auto* filter = new QComboBox(page);
    filter->setObjectName(QLatin1String(name));
    filter->setAccessibleName(accessibleName);
    filter->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    bar->addWidget(filter);
    return filter;
}

}  // namespace

CPage4::CPage4(CShellContext& context, CQuillmarDoc& document, QWidget* parent)
    : CAPage(context, document, parent)
{
    setWindowTitle(Context().Text(ui_text::kStylesPageTitle));
    auto* bar = new QHBoxLayout;
    m_showAll = new QCheckBox(Context().Text(ui_text::kStylesShowAll), this);
    m_showAll->setObjectName(QStringLiteral("showAllStyles"));
    m_showAll->setChecked(styles_rules::StoredShowAll(GetDocument()));
    connect(m_showAll, &QCheckBox::clicked, this, &CPage4::OnShowAllClicked);
    bar->addWidget(m_showAll);
    bar->addStretch(1);
    m_lineFilter = AddFilter(this, bar, "lineFilter", Context().Text(ui_text::kStylesLineFilter));
    m_openingFilter = AddFilter(this, bar, "openingFilter", Context().Text(ui_text::kStylesOpeningFilter));
    connect(m_lineFilter, &QComboBox::activated, this, &CPage4::RebuildTree);
    connect(m_openingFilter, &QComboBox::activated, this, &CPage4::RebuildTree);

    m_list = new CListCtrlMoreNotifies(this);
    SetUpReferenceList(m_list, QStringLiteral("styleList"), styles_rules::ColumnTitles());
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CPage4::OnListSelectionChanged);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &CPage4::ShowDetailOfCurrentRow);
    connect(m_list, &CListCtrlMoreNotifies::itemHovered, this, [this](int, int row) { OnRowHovered(row); });

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("styleTree"));
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &CPage4::OnTreeSelectionChanged);

    m_detail = new CRichMarkupView(this);
    m_detail->setObjectName(QStringLiteral("styleDetail"));
    m_detail->setAccessibleName(Context().Text(ui_text::kStylesDetail));

    auto* listAndDetail = new QSplitter(Qt::Vertical, this);
    listAndDetail->addWidget(m_list);
    listAndDetail->addWidget(m_detail);
    listAndDetail->setStretchFactor(0, 3);
    listAndDetail->setStretchFactor(1, 2);
    auto* sides = new QSplitter(Qt::Horizontal, this);
    sides->addWidget(listAndDetail);
    sides->addWidget(m_tree);
    sides->setStretchFactor(0, 3);
    sides->setStretchFactor(1, 1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(bar);
    page->addWidget(sides, 1);
    setTabOrder(m_showAll, m_lineFilter);
    setTabOrder(m_lineFilter, m_openingFilter);
    setTabOrder(m_openingFilter, m_list);
    setTabOrder(m_list, m_tree);

    m_tooltip = new CRichTooltip(this);
    m_tooltip->setHideDelay(0);
    m_tooltip->setInitialDelay(Context().settings.Get(setting::TOOLTIP_DELAY));
    if (Context().settings.Get(setting::UI_TOOLTIPS) != 0)
        m_tooltip->addTool(m_showAll, std::string(styles_rules::kShowAllTooltip));
    // Filled with the text of the style under the pointer as it moves.
    m_tooltip->addTool(m_list->viewport(), std::string());
    connect(m_list, &CListCtrlMoreNotifies::scrolled, this, [this](int) {
        m_hoveredRow = -1;
        m_tooltip->itemsScrolled();
    });
    m_tooltip->watch(this);

    Refresh();
    RecordTemplateSize();
}

void CPage4::OnClassChanged()
{
    Refresh();
}

void CPage4::OnLevelChanged()
{
    if (GetDocument().IsCareerMode() && !m_showAll->isChecked())
        Refresh();
}

void CPage4::OnShowAllClicked(bool checked)
{
    GetDocument().SetOption(styles_rules::kShowAllStyles, checked ? 1 : 0);
    Refresh();
}

void CPage4::Refresh()
{
    m_styles = styles_rules::BuildList(Context().database, GetDocument(), m_showAll->isChecked());
    const QColor headerBackground = QtMarkupSurface::ToQColor(styles_rules::kLineHeaderBackground);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(m_styles.rows.size()));
    for (const styles_rules::StyleRow& row : m_styles.rows) {
        QStringList cells;
        for (const std::string& cell : row.cells)
            cells << Windows1252ToQString(cell);
        auto* item = new QTreeWidgetItem(cells);
        item->setData(0, kDataRole, row.data);
        if (row.data == styles_rules::kLineHeaderData)
            for (int column = 0; column < styles_rules::kColumnCount; ++column)
                item->setBackground(column, headerBackground);
        items << item;
    }
    {
        const QSignalBlocker blocker(m_list);
        ReplaceReferenceRows(m_list, items);
    }
    m_hoveredRow = -1;
    m_tooltip->updateTipText(m_list->viewport(), std::string());
    ShowDetailOfCurrentRow();
    RefillFilters();
    RebuildTree();
}

void CPage4::RefillFilters()
{
    const std::string previousLine = QStringToWindows1252(m_lineFilter->currentText());
    const std::vector<std::string> lines = styles_rules::LineFilter(m_styles);
    m_lineFilter->clear();
    for (const std::string& line : lines)
        m_lineFilter->addItem(Windows1252ToQString(line));
    m_lineFilter->setCurrentIndex(styles_rules::KeptLineChoice(lines, previousLine));

    const QVariant previousOpening = m_openingFilter->currentData();
    const std::vector<styles_rules::OpeningChoice> openings = styles_rules::OpeningFilter(m_styles);
    m_openingFilter->clear();
    for (const styles_rules::OpeningChoice& choice : openings) {
        const QString text = Windows1252ToQString(choice.text);
        if (choice.data == styles_rules::kAllOpenings)
            m_openingFilter->addItem(text, choice.data);
        else
            m_openingFilter->addItem(OpeningIcon(styles_rules::PictureIndex(choice.data)), text, choice.data);
    }
    m_openingFilter->setCurrentIndex(styles_rules::KeptOpeningChoice(
        openings, previousOpening.isValid() ? previousOpening.toInt() : styles_rules::kAllOpenings));
}

void CPage4::RebuildTree()
{
    const std::vector<styles_rules::TreeNode> nodes = styles_rules::BuildTree(
        m_styles, std::max(0, m_lineFilter->currentIndex()),
        m_openingFilter->currentData().isValid() ? m_openingFilter->currentData().toInt()
                                                 : styles_rules::kAllOpenings);
    const QSignalBlocker blocker(m_tree);
    m_tree->clear();
    m_tree->addTopLevelItems(TreeItems(nodes));
    m_tree->expandAll();
    OnListSelectionChanged();
}

const styles_rules::StyleRow* CPage4::RowAt(int row) const
{
    return row >= 0 && row < static_cast<int>(m_styles.rows.size()) ? &m_styles.rows[static_cast<std::size_t>(row)]
                                                                     : nullptr;
}

void CPage4::OnListSelectionChanged()
{
    if (m_syncingSelection)
        return;
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    QTreeWidgetItem* match =
        selected.isEmpty() ? nullptr : FindTreeItem(m_tree->invisibleRootItem(), selected.front()->data(0, kDataRole).toInt());
    m_syncingSelection = true;
    if (match) {
        m_tree->setCurrentItem(match);
        m_tree->scrollToItem(match);
    } else {
        m_tree->clearSelection();
    }
    m_syncingSelection = false;
}

void CPage4::OnTreeSelectionChanged()
{
    if (m_syncingSelection)
        return;
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    if (selected.isEmpty())
        return;
    const int styleData = selected.front()->data(0, kDataRole).toInt();
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        if (item->data(0, kDataRole).toInt() != styleData)
            continue;
        m_syncingSelection = true;
        m_list->setCurrentItem(item);
        m_list->scrollToItem(item);
        m_syncingSelection = false;
        return;
    }
}

void CPage4::OnRowHovered(int row)
{
    if (row == m_hoveredRow)
        return;
    m_hoveredRow = row;
    const styles_rules::StyleRow* hovered = RowAt(row);
    m_tooltip->updateTipText(m_list->viewport(), hovered ? hovered->tooltip : std::string());
}

void CPage4::ShowDetailOfCurrentRow()
{
    QTreeWidgetItem* current = m_list->currentItem();
    const styles_rules::StyleRow* row = current ? RowAt(m_list->indexOfTopLevelItem(current)) : nullptr;
    m_detail->setMarkup(row ? row->tooltip : std::string());
}
