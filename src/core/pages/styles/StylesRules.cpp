#include "pages/styles/StylesRules.h"

#include <cstdio>

#include "database/CGameDatabase.h"
#include "database/CStyleTable.h"
#include "document/CQuillmarDoc.h"

namespace styles_rules {

namespace {

constexpr int kOpeningKindMask = 0x7F;
constexpr int kRowsPerLine = 65536;

std::string LevelText(std::int32_t level)
{
    char text[16];
    std::snprintf(text, sizeof text, "%i", level);
    return text;
}

// The tab mark after a detail label, by its position in the detail (1 = Level
// … 7 = Effect), so that the values line up.
std::string_view TabMark(std::size_t position)
{
    static constexpr std::array<std::string_view, 7> marks = {":<t=3>", ":<t>",   ":<t=3>", ":<t=2>",
                                                              ":<t=1>", ":<t=2>", ":<t=3>"};
    return position - 1 < marks.size() ? marks[position - 1] : std::string_view(":<t>");
}

// The opening code of the first style of the selected style's chain. A chain
// longer than the line has styles must loop (a damaged file); the walk then
// stops and the style keeps its follow-up code, as it does when the style it
// follows is not in the line.
int FinalCode(CGameDatabase& database, int code, std::size_t lineStyleCount)
{
    for (std::size_t step = 0; (code & kOpeningKindMask) == kOpeningFollowUp && step < lineStyleCount; ++step) {
        const int followingCode = code;
        database.SelectStyle(database.StyleName());
        if (database.Selection().style < 0)
            return followingCode;
        code = database.StyleOpening();
    }
    return code;
}

// Depth-first, an item's children before the item itself; the first match.
TreeNode* FindByNameNoCase(std::vector<TreeNode>& nodes, std::string_view name)
{
    for (TreeNode& node : nodes) {
        if (TreeNode* child = FindByNameNoCase(node.children, name))
            return child;
        if (EqualsNoCase(node.text, name))
            return &node;
    }
    return nullptr;
}

}  // namespace

std::vector<std::string> ColumnTitles()
{
    return {"Name", "Level", "Pre", "Attack", "Defense", "Fatigue", "Damage", "Effect"};
}

bool StoredShowAll(const CQuillmarDoc& doc)
{
    return doc.GetOption(kShowAllStyles) != 0;
}

int StyleRowData(int line, int style)
{
    return -1 - (line * kRowsPerLine + style);
}

std::string_view OpeningText(int code)
{
    static constexpr std::array<std::string_view, 8> open = {
        "Any", "Front", "Behind", "Side", "after Evade", "after Block", "after Parry", "Target"};
    static constexpr std::array<std::string_view, 8> stealthed = {
        "",
        "Front (Stealthed)",
        "Behind  (Stealthed)",
        "Side  (Stealthed)",
        "after Evade  (Stealthed)",
        "after Block  (Stealthed)",
        "after Parry  (Stealthed)",
        "Target  (Stealthed)"};
    if (code >= 0 && code < static_cast<int>(open.size()))
        return open[static_cast<std::size_t>(code)];
    const int kind = code - kOpeningStealthFlag;
    if (kind > 0 && kind < static_cast<int>(stealthed.size()))
        return stealthed[static_cast<std::size_t>(kind)];
    return {};
}

int PictureIndex(int finalCode)
{
    const int kind = finalCode & kOpeningKindMask;
    const bool stealthed = (finalCode & kOpeningStealthFlag) != 0;
    if (stealthed && kind >= kOpeningFront && kind <= kOpeningTarget)
        return kind + kOpeningFollowUp;
    return kind < kPictureCount ? kind : kOpeningNone;
}

std::string TooltipMarkup(std::string_view name, std::string_view description,
                          const std::vector<std::string>& labels, const std::vector<std::string>& values)
{
    static constexpr std::string_view kRule = "<br><hr=100%><al><br>";
    std::string markup = "<al_c><b>";
    markup.append(name).append("</b>").append(kRule);
    if (!description.empty())
        markup.append(description).append(kRule);
    const std::size_t count = std::min(labels.size(), values.size());
    for (std::size_t i = 1; i < count; ++i)
        markup.append(labels[i]).append(TabMark(i)).append(values[i]).append("<br>");
    return markup;
}

StylesList BuildList(CGameDatabase& database, const CQuillmarDoc& doc, bool showAll)
{
    const DatabaseSelection remembered = database.Selection();
    StylesList list;
    list.lineNames = database.StyleLineNames();
    for (std::size_t line = 0; line < list.lineNames.size(); ++line) {
        const std::string& lineName = list.lineNames[line];
        StyleRow header;
        header.cells[kNameColumn] = lineName;
        list.rows.push_back(header);

        const int limit = showAll ? kAllStylesLevel : doc.GetSpecLevel(lineName);
        database.SelectStyleLine(lineName);
        const NamedLevels styles = database.StyleNames();
        const std::size_t count = std::min(styles.names.size(), styles.levels.size());
        for (std::size_t style = 0; style < count; ++style) {
            if (styles.levels[style] > limit)
                continue;
            const std::string& name = styles.names[style];
            database.SelectStyle(name);
            const DetailRows detail = database.StyleDetail();
            StyleRow row;
            row.data = StyleRowData(static_cast<int>(line), static_cast<int>(style));
            row.cells[kNameColumn] = name;
            row.cells[kLevelColumn] = LevelText(styles.levels[style]);
            for (std::size_t column = kPreColumn; column < kColumnCount && column < detail.values.size(); ++column)
                row.cells[column] = detail.values[column];
            row.tooltip = TooltipMarkup(name, database.Description(name), detail.labels, detail.values);

            ShownStyle shown;
            shown.data = row.data;
            shown.line = static_cast<int>(line);
            shown.name = name;
            shown.follows = database.StyleName();
            shown.opening = database.StyleOpening();
            shown.finalCode = FinalCode(database, shown.opening, count);
            list.rows.push_back(std::move(row));
            list.styles.push_back(std::move(shown));
        }
    }
    database.RestoreSelection(remembered);
    return list;
}

std::vector<std::string> LineFilter(const StylesList& list)
{
    std::vector<std::string> filter{std::string(kAllLinesText)};
    filter.insert(filter.end(), list.lineNames.begin(), list.lineNames.end());
    return filter;
}

std::vector<OpeningChoice> OpeningFilter(const StylesList& list)
{
    std::vector<OpeningChoice> filter{{std::string(kAllOpeningsText), kAllOpenings},
                                      {std::string(OpeningText(kOpeningNone)), kOpeningNone}};
    for (const ShownStyle& style : list.styles) {
        const int kind = style.opening & kOpeningKindMask;
        if (kind < kOpeningFront || kind > kOpeningTarget)
            continue;
        const std::string_view text = OpeningText(style.opening);
        bool known = false;
        for (const OpeningChoice& choice : filter)
            known = known || choice.text == text;
        if (!known)
            filter.push_back({std::string(text), style.opening});
    }
    return filter;
}

int KeptLineChoice(const std::vector<std::string>& filter, std::string_view previous)
{
    for (std::size_t i = 0; i < filter.size(); ++i)
        if (filter[i] == previous)
            return static_cast<int>(i);
    return 0;
}

int KeptOpeningChoice(const std::vector<OpeningChoice>& filter, int previousData)
{
    for (std::size_t i = 0; i < filter.size(); ++i)
        if (filter[i].data == previousData)
            return static_cast<int>(i);
    return 0;
}

std::vector<TreeNode> BuildTree(const StylesList& list, int lineChoice, int openingData)
{
    std::vector<TreeNode> roots;
    for (const ShownStyle& style : list.styles) {
        if (lineChoice > 0 && style.line != lineChoice - 1)
            continue;
        if (openingData != kAllOpenings && style.finalCode != openingData)
            continue;
        if ((style.finalCode & kOpeningKindMask) == kOpeningAbility)
            continue;
        TreeNode* parent = style.follows.empty() ? nullptr : FindByNameNoCase(roots, style.follows);
        (parent != nullptr ? parent->children : roots)
            .push_back({style.name, style.data, PictureIndex(style.finalCode), {}});
    }
    return roots;
}

}  // namespace styles_rules
