#include "cli/pages/PagePrinters.h"

#include "common/Windows1252.h"
#include "document/CQuillmarDoc.h"
#include "pages/skills/AutoTrainRules.h"
#include "pages/skills/SkillsRules.h"

// A line row shows its level control (and auto-train field), a group row its
// entries, whose colours follow the level that counts and the reach.
OrderedJson SkillsPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& /*request*/)
{
    using namespace skills_rules;
    const SkillPoints points = Points(doc);
    OrderedJson json;
    json["used"] = PointsText(points.used);
    json["earned"] = PointsText(points.earned);
    json["rest"] = PointsText(points.rest);
    json["restText"] = ColourJson(points.rest < 0 ? std::optional(kNegativeRestText) : std::nullopt);
    json["special"] = doc.GetExtraSpecPoints();
    OrderedJson rows = OrderedJson::array();
    doc.ActivateSelection();  // as the page does before it lists the class's rows
    for (const SkillRow& row : BuildRows(database)) {
        OrderedJson shown = {{"kind", static_cast<int>(row.kind)},
                             {"name", Windows1252ToUtf8(NameText(row))},
                             {"level", LevelText(row)}};
        if (row.IsGroup()) {
            const RowData data = GroupRowData(row, doc);
            shown["skill"] = Windows1252ToUtf8(SkillText(database, row, data.counts));
            shown["counts"] = data.counts;
            shown["reach"] = data.reach;
        } else if (row.kind == RowKind::Line) {
            shown["spec"] = doc.GetSpecLevel(row.lineName);
            const bool planned = doc.IsCareerMode() && doc.HasPlanEntry(row.lineName);
            shown["specBackground"] = ColourJson(planned ? std::optional(kPlanEntryBackground) : std::nullopt);
            if (row.autoTrain)
                shown["autoTrain"] = AutoTrainSummary(static_cast<std::uint32_t>(doc.GetAutoTrain(row.lineName)));
        }
        rows.push_back(std::move(shown));
    }
    json["rows"] = std::move(rows);
    return json;
}
