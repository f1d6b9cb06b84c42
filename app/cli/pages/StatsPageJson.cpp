#include "cli/pages/PagePrinters.h"

#include "common/Windows1252.h"
#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"
#include "pages/stats/StatsRules.h"

OrderedJson StatsPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& /*request*/)
{
    using namespace stats_rules;
    const StatsModel model = ComputeStats(GatherStatsInput(database, doc));
    OrderedJson json;
    json["freePoints"] = model.freePointsText;
    json["capHeader"] = model.capHeader;
    OrderedJson rows = OrderedJson::array();
    for (std::size_t stat = 0; stat < model.rows.size(); ++stat) {
        const StatRow& row = model.rows[stat];
        OrderedJson cells = OrderedJson::array();
        for (const CellLook& cell : {row.base, row.atLevel, row.itemCap, row.withRealmAbilities})
            cells.push_back({{"value", cell.value}, {"text", ColourJson(cell.text)}, {"background", ColourJson(cell.background)}});
        rows.push_back({{"spent", doc.GetStatRaises()[stat]}, {"cells", std::move(cells)}});
    }
    json["rows"] = std::move(rows);
    json["hitPoints"] = model.hitPoints;
    OrderedJson abilities = OrderedJson::array();
    for (const AbilityRow& row : AbilityRows(database.ClassAbilities()))
        abilities.push_back({{"level", row.level},
                             {"train", row.train},
                             {"name", Windows1252ToUtf8(row.name)},
                             {"text", ColourJson(row.text)},
                             {"background", ColourJson(row.background)}});
    json["abilities"] = std::move(abilities);
    return json;
}
