#include "cli/pages/PagePrinters.h"

#include <cstdio>

#include "common/Windows1252.h"
#include "pages/spells/SpellsRules.h"

namespace {

std::string ColourText(MarkupColor colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return text;
}

}  // namespace

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
        const std::optional<MarkupColor> background = spells_rules::Background(row.kind);
        rows.push_back({{"kind", static_cast<int>(row.kind)},
                        {"cells", std::move(cells)},
                        {"background", background ? OrderedJson(ColourText(*background)) : OrderedJson()}});
    }
    json["rows"] = std::move(rows);
    return json;
}
