#include "pages/spells/CPage3.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "controls/ReferenceList.h"
#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"
#include "markup/QtCodePage.h"
#include "markup/QtMarkupSurface.h"
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

    m_list = CreateReferenceList(this, QStringLiteral("spellList"), spells_rules::ColumnTitles());

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
                item->setBackground(column, QtMarkupSurface::ToQColor(*background));
        items << item;
    }
    ReplaceReferenceRows(m_list, items);
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
