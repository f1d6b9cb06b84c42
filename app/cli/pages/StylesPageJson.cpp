#include "cli/pages/PagePrinters.h"

#include <stdexcept>

#include "common/Windows1252.h"
#include "pages/styles/StylesRules.h"

namespace {

OrderedJson TreeToJson(const std::vector<styles_rules::TreeNode>& nodes)
{
    OrderedJson json = OrderedJson::array();
    for (const styles_rules::TreeNode& node : nodes)
        json.push_back({{"text", Windows1252ToUtf8(node.text)},
                        {"data", node.data},
                        {"picture", node.picture},
                        {"children", TreeToJson(node.children)}});
    return json;
}

// The filter entry the command line chose; a choice the page does not offer
// is an error rather than a silent "All".
int LineChoice(const std::vector<std::string>& filter, const std::optional<std::string>& text)
{
    if (!text)
        return 0;
    for (std::size_t i = 0; i < filter.size(); ++i)
        if (Windows1252ToUtf8(filter[i]) == *text)
            return static_cast<int>(i);
    throw std::invalid_argument("The line filter has no entry \"" + *text + "\".");
}

int OpeningChoice(const std::vector<styles_rules::OpeningChoice>& filter, const std::optional<int>& data)
{
    if (!data)
        return styles_rules::kAllOpenings;
    for (const styles_rules::OpeningChoice& choice : filter)
        if (choice.data == *data)
            return choice.data;
    throw std::invalid_argument("The opening filter has no entry with the code " + std::to_string(*data) + ".");
}

}  // namespace

OrderedJson StylesPageToJson(CGameDatabase& database, CQuillmarDoc& doc, const PageRequest& request)
{
    const styles_rules::StylesList list =
        styles_rules::BuildList(database, doc, styles_rules::StoredShowAll(doc));
    const std::vector<std::string> lineFilter = styles_rules::LineFilter(list);
    const std::vector<styles_rules::OpeningChoice> openingFilter = styles_rules::OpeningFilter(list);

    OrderedJson json;
    json["columns"] = styles_rules::ColumnTitles();
    OrderedJson rows = OrderedJson::array();
    for (const styles_rules::StyleRow& row : list.rows) {
        OrderedJson cells = OrderedJson::array();
        for (const std::string& cell : row.cells)
            cells.push_back(Windows1252ToUtf8(cell));
        rows.push_back({{"data", row.data}, {"cells", std::move(cells)}, {"tooltip", Windows1252ToUtf8(row.tooltip)}});
    }
    json["rows"] = std::move(rows);
    OrderedJson lines = OrderedJson::array();
    for (const std::string& line : lineFilter)
        lines.push_back(Windows1252ToUtf8(line));
    json["lineFilter"] = std::move(lines);
    OrderedJson openings = OrderedJson::array();
    for (const styles_rules::OpeningChoice& choice : openingFilter)
        openings.push_back({{"text", choice.text}, {"data", choice.data}});
    json["openingFilter"] = std::move(openings);
    json["tree"] = TreeToJson(styles_rules::BuildTree(list, LineChoice(lineFilter, request.line),
                                                      OpeningChoice(openingFilter, request.opening)));
    return json;
}
