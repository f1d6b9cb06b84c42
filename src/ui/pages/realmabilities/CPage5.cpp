#include "pages/realmabilities/CPage5.h"

#include <QHeaderView>

#include "controls/CListCtrlMoreNotifies.h"
#include "markup/QtCodePage.h"
#include "shell/UiText.h"

namespace {

enum Column : int { kNameColumn, kKindColumn, kReuseColumn, kLevelColumn, kNeedsColumn };
constexpr int kLevelWidth = 100;

}  // namespace

CPage5::CPage5(CShellContext& context, CQuillmarDoc& document, QWidget* parent)
    : CRealmAbilityPage(context, document, ra_rules::Rules::Old,
                        {{"Name", "Art", "Re-Use", "Level", "Ben\xF6tigt"}, kLevelColumn, kLevelWidth}, parent)
{
    setWindowTitle(Context().Text(ui_text::kViewTabFirst + static_cast<int>(PageId::RealmAbilities)));
    List()->header()->setSectionsClickable(true);
    connect(List()->header(), &QHeaderView::sectionClicked, this, &CPage5::OnHeaderClicked);
    FullRefresh();
    RecordTemplateSize();
}

std::vector<ra_rules::AbilityRow> CPage5::BuildRows()
{
    return ra_rules::OldRulesRows(Context().database, GetDocument(), m_sort);
}

QStringList CPage5::Cells(const ra_rules::AbilityRow& row) const
{
    if (row.IsHeader())
        return {};
    return {Windows1252ToQString(row.name), Windows1252ToQString(row.KindText()), Windows1252ToQString(row.reuse),
            QString(), Windows1252ToQString(row.NeedsText())};
}

void CPage5::OnHeaderClicked(int column)
{
    if (column != kNameColumn && column != kKindColumn)
        return;
    m_sort = column == kNameColumn ? ra_rules::SortMode::ByName : ra_rules::SortMode::ByKind;
    FullRefresh();
}
