// Rules of the styles page: the combat styles of the class's style lines that
// the character can use at its line levels (or all of them), the two filters,
// the tree of styles by the style each one follows, and the rich tooltip text
// of every style. Everything is computed into plain values so that the page
// only shows them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "markup/MarkupTypes.h"

class CGameDatabase;
class CQuillmarDoc;

namespace styles_rules {

enum Column : int {
    kNameColumn = 0,
    kLevelColumn = 1,
    kPreColumn = 2,  // then attack, defense, fatigue, damage, effect
    kColumnCount = 8
};

// Key of the page's option in the character's options.
inline constexpr std::string_view kShowAllStyles = "ShowAllStyles";
// Every style up to this level is shown with "All styles".
inline constexpr int kAllStylesLevel = 50;

// The value kept with a line-header row; style rows carry StyleRowData.
inline constexpr int kLineHeaderData = 1;
// Data of the opening filter's first entry, which admits every opening.
inline constexpr int kAllOpenings = -1;
// Pictures of the openings: 0 none, 1..7 the openings, 8 follow-up, 9..15 the
// stealthed openings 1..7.
inline constexpr int kPictureCount = 16;

inline constexpr std::string_view kAllLinesText = "All lines";
inline constexpr std::string_view kAllOpeningsText = "All";
inline constexpr std::string_view kShowAllTooltip =
    "if selected all styles will be displayed.<br>Otherwise it displays only skilled styles.";

inline constexpr MarkupColor kLineHeaderBackground = MarkupRgb(196, 196, 255);

struct StyleRow {
    int data = kLineHeaderData;
    std::array<std::string, kColumnCount> cells;
    std::string tooltip;  // empty on line-header rows
};

// What the filters and the tree need of a style in the list.
struct ShownStyle {
    int data = 0;
    int line = 0;           // index among the class's style lines
    std::string name;
    std::string follows;    // the preceding style's name, empty for none
    int opening = 0;        // the style's own opening code
    int finalCode = 0;      // the opening code of the first style of its chain
};

struct StylesList {
    std::vector<std::string> lineNames;
    std::vector<StyleRow> rows;
    std::vector<ShownStyle> styles;
};

struct OpeningChoice {
    std::string text;
    int data = kAllOpenings;
};

struct TreeNode {
    std::string text;
    int data = 0;
    int picture = 0;
    std::vector<TreeNode> children;
};

// "Name", "Level", "Pre", "Attack", "Defense", "Fatigue", "Damage", "Effect".
std::vector<std::string> ColumnTitles();

// "All styles" as the character stores it (absent = off).
bool StoredShowAll(const CQuillmarDoc& doc);

// -1 - (line · 65536 + style): negative, one value per style of the class.
int StyleRowData(int line, int style);

// "Any", "Front", … "Target  (Stealthed)"; empty for a code without a text.
std::string_view OpeningText(int code);

// The picture of a final opening code: the code, stealthed openings 9..15.
int PictureIndex(int finalCode);

// The markup of the tooltip over a style row, from the style's name, the
// description held under it (may be empty) and its detail rows.
std::string TooltipMarkup(std::string_view name, std::string_view description,
                          const std::vector<std::string>& labels, const std::vector<std::string>& values);

// The rows for the class the database has selected; the database's selection
// is put back as it was.
StylesList BuildList(CGameDatabase& database, const CQuillmarDoc& doc, bool showAll);

// "All lines", then the class's style lines.
std::vector<std::string> LineFilter(const StylesList& list);
// "All", "Any", then each opening text met among the listed styles, once.
std::vector<OpeningChoice> OpeningFilter(const StylesList& list);

// The entry to choose after a refill: the one with the previous text or data,
// else the first.
int KeptLineChoice(const std::vector<std::string>& filter, std::string_view previous);
int KeptOpeningChoice(const std::vector<OpeningChoice>& filter, int previousData);

// The tree for a line filter entry (0 = all lines, i = line i - 1) and an
// opening filter data value.
std::vector<TreeNode> BuildTree(const StylesList& list, int lineChoice, int openingData);

}  // namespace styles_rules
