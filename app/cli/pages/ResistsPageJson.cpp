#include "cli/pages/PagePrinters.h"

#include <stdexcept>

#include "common/Windows1252.h"
#include "pages/resists/ResistsRules.h"

OrderedJson ResistsPageToJson(CGameDatabase& database, CQuillmarDoc& /*doc*/, const PageRequest& request)
{
    resists_rules::TickedRealms ticked{};
    for (const int realm : request.realms)
        if (realm >= 0 && realm < kRealmCount)
            ticked[static_cast<std::size_t>(realm)] = true;
    std::vector<resists_rules::ResistRow> rows = resists_rules::BuildRows(database, ticked);
    // Each click sorts the rows as they stand, as on the page.
    int sortState = 0;
    for (const std::string& click : request.sort) {
        const int column = click.size() == 1 && click[0] >= '0' && click[0] < '0' + resists_rules::kColumnCount
                               ? click[0] - '0'
                               : -1;
        if (column < 0)
            throw std::invalid_argument("--sort expects column numbers 0 to 4 for this page, not \"" + click + "\".");
        sortState = resists_rules::SortStateAfterClick(sortState, column);
        resists_rules::SortRows(rows, sortState);
    }
    OrderedJson json;
    json["columns"] = resists_rules::ColumnTitles();
    OrderedJson shown = OrderedJson::array();
    for (const resists_rules::ResistRow& row : rows) {
        OrderedJson cells = OrderedJson::array();
        for (const std::string& cell : row)
            cells.push_back(Windows1252ToUtf8(cell));
        shown.push_back(std::move(cells));
    }
    json["rows"] = std::move(shown);
    return json;
}
