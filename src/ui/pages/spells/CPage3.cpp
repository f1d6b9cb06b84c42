#include "pages/spells/CPage3.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"
#include "markup/QtCodePage.h"
#include "pages/spells/SpellsRules.h"
#include "shell/UiText.h"

namespace {

QCheckBox* AddBox(QWidget* page, QHBoxLayout* boxes, const QString& text, const char* name)
{
    auto* box = new QCheckBox(text, page);
    box->setObjectName(QLatin1String(name));
    boxes->addWidget(box);
    return box;
}

QColor ColourOf(MarkupColor colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace

CPage3::CPage3(CShellContext& context, CQuillmarDoc& document, QWidget* parent)
    : CAPage(context, document, parent)
{
    setWindowTitle(Context().Text(ui_text::kSpellsPageTitle));
    auto* boxes = new QHBoxLayout;
    m_showAll = AddBox(this, boxes, Context().Text(ui_text::kSpellsShowAll), "showAllSpells");
    m_onlyTop = AddBox(this, boxes, Context().Text(ui_text::kSpellsOnlyTop), "onlyTopSpells");
    m_typeAsName = AddBox(this, boxes, Context().Text(ui_text::kSpellsTypeAsName), "typeAsName");
    boxes->addStretch(1);
    const spells_rules::SpellsOptions stored = spells_rules::StoredOptions(GetDocument());
    m_showAll->setChecked(stored.showAll);
    m_onlyTop->setChecked(stored.onlyTop);
    m_typeAsName->setChecked(stored.typeAsName);
    m_typeAsName->setVisible(stored.onlyTop);
    connect(m_showAll, &QCheckBox::clicked, this, &CPage3::OnShowAllClicked);
    connect(m_onlyTop, &QCheckBox::clicked, this, &CPage3::OnOnlyTopClicked);
    connect(m_typeAsName, &QCheckBox::clicked, this, &CPage3::OnTypeAsNameClicked);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("spellList"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList titles;
    for (const std::string& title : spells_rules::ColumnTitles())
        titles << Windows1252ToQString(title);
    m_list->setHeaderLabels(titles);

    auto* page = new QVBoxLayout(this);
    page->addLayout(boxes);
    page->addWidget(m_list, 1);
    Refresh();
    RecordTemplateSize();
}

void CPage3::OnClassChanged()
{
    Refresh();
}

void CPage3::OnLevelChanged()
{
    if (!m_showAll->isChecked())
        Refresh();
}

void CPage3::Refresh()
{
    const spells_rules::SpellsOptions options{m_showAll->isChecked(), m_onlyTop->isChecked(),
                                              m_typeAsName->isChecked()};
    const std::vector<spells_rules::SpellRow> rows =
        spells_rules::BuildRows(Context().database, GetDocument(), options);
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const spells_rules::SpellRow& row : rows) {
        QStringList cells;
        for (const std::string& cell : row.cells)
            cells << Windows1252ToQString(cell);
        auto* item = new QTreeWidgetItem(cells);
        item->setData(0, Qt::UserRole, static_cast<int>(row.kind));
        if (const std::optional<MarkupColor> background = spells_rules::Background(row.kind))
            for (int column = 0; column < spells_rules::kColumnCount; ++column)
                item->setBackground(column, ColourOf(*background));
        items << item;
    }
    m_list->addTopLevelItems(items);
    for (int column = 0; column < spells_rules::kColumnCount; ++column)
        m_list->resizeColumnToContents(column);
    m_list->setUpdatesEnabled(true);
}

void CPage3::OnShowAllClicked(bool checked)
{
    GetDocument().SetOption(spells_rules::kShowAllSpells, checked ? 1 : 0);
    Refresh();
}

void CPage3::OnOnlyTopClicked(bool checked)
{
    GetDocument().SetOption(spells_rules::kShowOnlyTopSpells, checked ? 1 : 0);
    // Hiding the box unticks it; the stored choice stays for the next time it shows.
    if (!checked)
        m_typeAsName->setChecked(false);
    m_typeAsName->setVisible(checked);
    Refresh();
}

void CPage3::OnTypeAsNameClicked(bool checked)
{
    GetDocument().SetOption(spells_rules::kUseSpellTypeAsName, checked ? 1 : 0);
    Refresh();
}
