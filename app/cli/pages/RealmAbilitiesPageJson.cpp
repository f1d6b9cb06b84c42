#include "cli/pages/PagePrinters.h"

#include <stdexcept>

#include "common/Windows1252.h"
#include "pages/realmabilities/RealmAbilityRules.h"

namespace {

using ra_rules::AbilityRow;

// NAME=LEVEL: the level button of that ability, clicked as on the page.
void ApplyBuy(std::vector<AbilityRow>& rows, const std::string& buy, CQuillmarDoc& doc, ra_rules::Rules rules,
              ra_rules::Points& points)
{
    const std::size_t equals = buy.rfind('=');
    int level = 0;
    try {
        std::size_t used = 0;
        level = equals == std::string::npos ? 0 : std::stoi(buy.substr(equals + 1), &used);
        if (equals + 1 + used != buy.size())
            level = 0;
    } catch (const std::exception&) {
        level = 0;
    }
    const std::string name = Utf8ToWindows1252(buy.substr(0, equals == std::string::npos ? 0 : equals));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].IsHeader() || rows[row].name != name)
            continue;
        if (!rows[row].HasButton(level))
            break;
        ra_rules::Click(rows, row, level, doc, rules, points);
        return;
    }
    throw std::invalid_argument("--buy expects NAME=LEVEL with an ability of the class and one of its levels, not \"" +
                                buy + "\".");
}

OrderedJson PageToJson(std::vector<AbilityRow>& rows, CQuillmarDoc& doc, ra_rules::Rules rules,
                       const std::vector<std::string>& buys)
{
    ra_rules::Points points = ra_rules::UpdatePoints(rows, doc);
    ra_rules::UpdateMarks(rows);
    for (const std::string& buy : buys)
        ApplyBuy(rows, buy, doc, rules, points);

    OrderedJson json;
    json["available"] = points.available;
    json["used"] = points.used;
    json["free"] = points.free;
    json["needed"] = {{"rr", points.needed.realmRank}, {"rps", points.needed.realmPoints}};
    OrderedJson shown = OrderedJson::array();
    for (const AbilityRow& row : rows) {
        OrderedJson item;
        item["name"] = Windows1252ToUtf8(row.name);
        if (rules == ra_rules::Rules::New) {
            item["abbreviation"] = Windows1252ToUtf8(row.abbreviation);
            item["group"] = row.group;
            item["header"] = row.IsHeader();
        }
        item["kind"] = row.kind;
        item["reuse"] = Windows1252ToUtf8(row.reuse);
        if (rules == ra_rules::Rules::Old) {
            item["needs"] = Windows1252ToUtf8(row.NeedsText());
            item["mark"] = row.mark;
        }
        item["level"] = row.level;
        OrderedJson buttons = OrderedJson::array();
        for (int level = 1; level <= ra_rules::kLevelCount; ++level) {
            if (row.IsHeader() || !row.HasButton(level))
                continue;
            const std::size_t slot = static_cast<std::size_t>(level - 1);
            buttons.push_back({{"level", level},
                               {"caption", Windows1252ToUtf8(row.captions[slot])},
                               {"pressed", level <= row.level},
                               {"available", row.available[slot]}});
        }
        item["buttons"] = std::move(buttons);
        shown.push_back(std::move(item));
    }
    json["rows"] = std::move(shown);
    return json;
}

}  // namespace

OrderedJson RealmAbilitiesPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request)
{
    const std::string sort = request.sort.empty() ? "kind" : request.sort.back();
    if (request.sort.size() > 1 || (sort != "kind" && sort != "name"))
        throw std::invalid_argument("--sort expects one of name or kind for this page.");
    std::vector<AbilityRow> rows = ra_rules::OldRulesRows(
        database, doc, sort == "name" ? ra_rules::SortMode::ByName : ra_rules::SortMode::ByKind);
    return PageToJson(rows, doc, ra_rules::Rules::Old, request.buys);
}

OrderedJson RealmAbilitiesNfPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request)
{
    std::vector<AbilityRow> rows = ra_rules::NewRulesRows(database, doc);
    return PageToJson(rows, doc, ra_rules::Rules::New, request.buysNf);
}
