#include "pages/realmabilities/CPage9_RAnw.h"

#include "markup/QtCodePage.h"
#include "shell/UiText.h"

namespace {

constexpr int kLevelColumn = 4;
constexpr int kLevelWidth = 250;

}  // namespace

CPage9_RAnw::CPage9_RAnw(CShellContext& context, CQuillmarDoc& document, QWidget* parent)
    : CRealmAbilityPage(context, document, ra_rules::Rules::New,
                        {{"Name", "abkz", "Art", "Reuse", "Level"}, kLevelColumn, kLevelWidth}, parent)
{
    setWindowTitle(Context().Text(ui_text::kViewTabFirst + static_cast<int>(PageId::RealmAbilitiesNf)));
    FullRefresh();
    RecordTemplateSize();
}

std::vector<ra_rules::AbilityRow> CPage9_RAnw::BuildRows()
{
    return ra_rules::NewRulesRows(Context().database, GetDocument());
}

QStringList CPage9_RAnw::Cells(const ra_rules::AbilityRow& row) const
{
    return {Windows1252ToQString(row.name), Windows1252ToQString(row.abbreviation),
            Windows1252ToQString(row.KindText()), Windows1252ToQString(row.reuse), QString()};
}
