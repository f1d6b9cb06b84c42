#include "pages/resists/CPage7.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "controls/ReferenceList.h"
#include "database/CGameDatabase.h"
#include "markup/QtCodePage.h"
#include "shell/UiText.h"

CPage7::CPage7(CShellContext& context, CQuillmarDoc& document, QWidget* parent)
    : CAPage(context, document, parent)
{
    setWindowTitle(Context().Text(ui_text::kViewTabFirst + static_cast<int>(PageId::Resists)));
    auto* boxes = new QHBoxLayout;
    const std::vector<std::string> realmNames = CGameDatabase::RealmNames();
    for (std::size_t realm = 0; realm < m_realmBoxes.size(); ++realm) {
        auto* box = new QCheckBox(Windows1252ToQString(realmNames.at(realm)), this);
        box->setObjectName(QStringLiteral("realm%1").arg(realm));
        box->setChecked(true);
        connect(box, &QCheckBox::clicked, this, &CPage7::Fill);
        boxes->addWidget(box);
        m_realmBoxes[realm] = box;
    }
    boxes->addStretch(1);

    m_list = CreateReferenceList(this, QStringLiteral("resistList"), resists_rules::ColumnTitles());
    m_list->header()->setSectionsClickable(true);
    m_list->header()->setSortIndicatorShown(true);
    m_list->header()->setSortIndicator(-1, Qt::AscendingOrder);
    connect(m_list->header(), &QHeaderView::sectionClicked, this, &CPage7::OnHeaderClicked);

    auto* page = new QVBoxLayout(this);
    page->addLayout(boxes);
    page->addWidget(m_list, 1);
    Fill();
    RecordTemplateSize();
}

void CPage7::Fill()
{
    resists_rules::TickedRealms ticked{};
    for (std::size_t realm = 0; realm < m_realmBoxes.size(); ++realm)
        ticked[realm] = m_realmBoxes[realm]->isChecked();
    m_rows = resists_rules::BuildRows(Context().database, ticked);
    resists_rules::SortRows(m_rows, m_sortState);
    ShowRows();
}

void CPage7::ShowRows()
{
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(m_rows.size()));
    for (std::size_t position = 0; position < m_rows.size(); ++position) {
        QStringList cells;
        for (const std::string& cell : m_rows[position])
            cells << Windows1252ToQString(cell);
        auto* item = new QTreeWidgetItem(cells);
        // The row's place in the current order, renumbered on every fill and sort.
        item->setData(0, Qt::UserRole, static_cast<int>(position));
        items << item;
    }
    ReplaceReferenceRows(m_list, items);
}

void CPage7::OnHeaderClicked(int column)
{
    m_sortState = resists_rules::SortStateAfterClick(m_sortState, column);
    m_list->header()->setSortIndicator(column, m_sortState > 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
    resists_rules::SortRows(m_rows, m_sortState);
    ShowRows();
}
