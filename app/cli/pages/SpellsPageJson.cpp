#include "cli/pages/PagePrinters.h"

#include "common/Windows1252.h"
#include "pages/spells/SpellsRules.h"

OrderedJson SpellsPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& /*request*/)
{
    OrderedJson json;
    json["columns"] = spells_rules::ColumnTitles();
    OrderedJson rows = OrderedJson::array();
    for (const spells_rules::SpellRow& row :
         spells_rules::BuildRows(database, doc, spells_rules::StoredOptions(doc))) {
        OrderedJson cells = OrderedJson::array();
        for (const std::string& cell : row.cells)
            cells.push_back(Windows1252ToUtf8(cell));
        rows.push_back({{"kind", static_cast<int>(row.kind)},
                        {"cells", std::move(cells)},
                        {"background", ColourJson(spells_rules::Background(row.kind))}});
    }
    json["rows"] = std::move(rows);
    return json;
}
