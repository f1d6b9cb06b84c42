// The texts of a character sheet, computed once from the character, the game
// database and the print options: the character box, the base stats, the
// master levels, the skills (a list or a career grid) and the three tables.
// Both the page plan and the drawing read only this.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "database/GameTypes.h"
#include "printing/PrintOptions.h"

class CGameDatabase;
class CQuillmarDoc;

namespace sheet {

inline constexpr std::string_view kSheetTitle = "Velk - Charakterbogen";
inline constexpr std::string_view kCharacterCaption = "Charakter";
inline constexpr std::string_view kStatsCaption = "Basis-Stats";
inline constexpr std::string_view kMasterLevelCaption = "Master-Level";
inline constexpr std::array<std::string_view, kStatCount> kStatLabels = {"Str:", "Con:", "Dex:", "Qui:",
                                                                         "Int:", "Pie:", "Emp:", "Cha:"};
// Labels of the character box, in their order.
inline constexpr std::array<std::string_view, 7> kCharacterLabels = {"Name:",  "Level:", "Realm:", "Klasse:",
                                                                     "Rasse:", "Datum:", "Ver:"};
// Description lines under a table row are indented by this.
inline constexpr std::string_view kLineIndent = "    ";

enum class RowKind : int { Entry = 0, Heading = 1 };

struct TableRow {
    RowKind kind = RowKind::Entry;
    std::vector<std::string> cells;
    // Lines printed under the row (style details, spell descriptions), indented.
    std::vector<std::string> lines;
};

struct SheetTable {
    bool included = false;
    std::vector<std::string> columns;
    std::vector<TableRow> rows;
};

enum TableId : int { kStylesTable = 0, kSpellsTable = 1, kRealmAbilitiesTable = 2, kTableCount = 3 };

struct SheetContent {
    // Character box, in the order of kCharacterLabels.
    std::array<std::string, 7> character;
    StatValues stats{};
    std::string realmRank;       // "R %i L %i (%s rps)"
    std::string realmRankTitle;
    // Master levels: the track and its level names when the master level is above 0.
    int masterLevel = 0;
    std::string masterTrack;
    std::vector<std::string> masterLevels;
    // Skills: single mode lists one value per line; career mode a value per
    // line and level step 1..steps (grid[line][step - 1]).
    bool careerMode = false;
    std::vector<std::string> skillLines;
    std::vector<std::int32_t> skillValues;
    int steps = 0;
    std::vector<std::vector<std::int32_t>> grid;
    std::array<SheetTable, kTableCount> tables;
};

// What the sheet takes from outside the character.
struct SheetInputs {
    std::string name;               // the document's title
    std::array<int, 4> version{};   // major, minor, build, revision
    std::time_t printedAt = 0;
};

// "%0.0f" for a whole level, "%0.1f" otherwise.
std::string LevelText(double level);
// "%d.%d", "%d.%d.%d" when only the revision is 0, else "%d.%d.%d.%d".
std::string VersionText(const std::array<int, 4>& version);
// Up to four dot-separated numbers; missing or unreadable parts are 0.
std::array<int, 4> ParseVersion(std::string_view text);
// "%d.%m.%y %H:%M" in local time.
std::string DateText(std::time_t when);
// "R %i L %i (%s rps)": code / 10 + 1, code % 10 and the dotted points of the code.
std::string RealmRankText(int code);
// The level a grid step stands for: 1..40, then half levels up to 50 at step 60.
double StepLevel(int step);
// Plain lines of a description in markup: broken at <br> and line ends, tags
// dropped, empty lines left out.
std::vector<std::string> PlainLines(std::string_view markup);

SheetContent BuildSheetContent(CGameDatabase& database, const CQuillmarDoc& doc, const PrintOptions& options,
                               const SheetInputs& inputs);

}  // namespace sheet
