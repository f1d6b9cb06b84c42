// Rules of the skills page: the rows it lists for a class (lines, their style
// and spell groups), the value kept with each row, the reach of the poison
// line, the points used, earned and left, the limits of the level controls and
// the colours of the Level column. Everything is computed into plain structs so
// that the page only shows them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/GameTypes.h"
#include "document/CareerComputation.h"
#include "markup/MarkupTypes.h"

class CGameDatabase;
class CQuillmarDoc;

namespace skills_rules {

enum class RowKind : int {
    Line = 0,        // a trainable line: a style line, or a spell line with specialisation groups
    BaseGroup = 2,   // base spell group; what it gives follows the character level
    LevelGroup = 3,  // styles of a style line or a specialisation group; follows the line level
    FixedLine = 4,   // spell line without specialisation groups: shown, not trainable
};

enum Column : int {
    kNameColumn = 0,
    kLevelColumn = 1,
    kSkillColumn = 2,
    kAutoTrainColumn = 3,
    kColumnCount = 4
};

// The value kept with rows that have no Level column entries.
inline constexpr std::int32_t kLineRowData = -1;
inline constexpr std::int32_t kFixedLineRowData = -3;

// Compared byte for byte with the data's line names.
inline constexpr std::string_view kPoisonLineGerman = "Vergiften";
inline constexpr std::string_view kPoisonLineEnglish = "Player poisons";
inline constexpr std::string_view kStylesRowText = "Styles";

inline constexpr MarkupColor kHoveredEntry = MarkupRgb(0, 164, 0);
inline constexpr MarkupColor kReachedEntry = MarkupRgb(255, 0, 0);
inline constexpr MarkupColor kReachableEntry = MarkupRgb(164, 164, 255);
inline constexpr MarkupColor kOtherEntry = MarkupRgb(0, 0, 0);
inline constexpr MarkupColor kLineBackground = MarkupRgb(196, 196, 255);
inline constexpr MarkupColor kGroupBackground = MarkupRgb(255, 255, 255);
inline constexpr MarkupColor kPlanEntryBackground = MarkupRgb(192, 255, 192);
inline constexpr MarkupColor kNegativeRestText = MarkupRgb(255, 0, 0);

// Auto-train steps the level controls' companions offer.
inline constexpr int kAutoTrainSteps = kAutoTrainSkills;

struct SkillRow {
    RowKind kind = RowKind::Line;
    std::string text;       // Name column, without the auto-train star
    std::string lineName;   // the style or spell line the row belongs to: database and document key
    std::string groupName;  // the spell group of a group row of a spell line; empty otherwise
    // The styles or spells behind the Level column, one per entry, in column order.
    std::vector<std::string> entryNames;
    std::vector<std::int32_t> entryLevels;
    bool spellLine = false;
    bool autoTrain = false;

    bool IsGroup() const { return kind == RowKind::BaseGroup || kind == RowKind::LevelGroup; }
};

// The rows of the class the database has selected: its style lines, each
// followed by its styles row, then its spell lines, each followed by its base
// and its specialisation groups. Moves the database's line and group cursors.
std::vector<SkillRow> BuildRows(CGameDatabase& database);

// "%s (%s)" with tag and name when they differ, else the name.
std::string SpellLineText(std::string_view tag, std::string_view name);
// The Name column: the row text, with "*" behind an auto-train line.
std::string NameText(const SkillRow& row);
// The Level column: every entry level as "%i ".
std::string LevelText(const SkillRow& row);
// The blank-separated words of a Level column text.
std::vector<std::string> SplitEntries(std::string_view levelText);

bool IsPoisonLine(std::string_view lineName);

// The three bytes kept with a group row.
struct RowData {
    int counts = 0;   // the level that counts: character level (base groups) or line level
    int hovered = 0;  // 1-based position of the entry under the mouse, 0 none
    int reach = 0;    // what item and realm-rank bonuses reach (poison line only), else 0
};
std::int32_t PackRowData(const RowData& data);
RowData UnpackRowData(std::int32_t value);
// Only the poison line's rows reach beyond the level that counts: by a fifth of
// the character level and the realm rank, plus one; kept to 8 bits.
int Reach(std::string_view lineName, int counts, float characterLevel, int realmRankCode);
// The level that counts for a group row, from the document.
int LevelThatCounts(const SkillRow& row, const CQuillmarDoc& document);
// The bytes of a group row for the document now, keeping `hovered`.
RowData GroupRowData(const SkillRow& row, const CQuillmarDoc& document, int hovered = 0);
// The value kept with any row: kLineRowData, kFixedLineRowData, or the packed bytes.
std::int32_t RowDataValue(const SkillRow& row, const CQuillmarDoc& document, int hovered = 0);

// The Skill column of a spell group row: the effect of the group's best spell
// up to the level that counts; empty for every other row or when none is reached.
std::string SkillText(CGameDatabase& database, const SkillRow& row, int counts);

struct SkillPoints {
    std::int32_t used = 0;
    std::int32_t earned = 0;
    std::int32_t rest = 0;
};
// Used: the whole plan in single mode, the plan entries of the current slot in
// career mode; both less the auto-train allowances.
SkillPoints Points(const CQuillmarDoc& document);
std::string PointsText(std::int32_t points);

// The lowest level a line's control offers: the auto-train minimum of its mask
// in single mode, a quarter of the level for auto-train lines in career mode;
// never below 1.
int LevelMinimum(bool careerMode, bool autoTrainLine, float characterLevel, std::uint32_t mask);
// The highest: raise from `current` while the level allows and the rest pays.
int LevelMaximum(int current, float characterLevel, std::int32_t rest);

// Colour of the Level column entry at 0-based `position` holding `level`.
MarkupColor EntryColour(int position, int level, const RowData& data);
// Background of a cell; none for the Skill cell of a line row (its control covers it).
std::optional<MarkupColor> CellBackground(RowKind kind, int column);

// The 0-based entry under horizontal position x (measured from the start of the
// text), each word measured with its trailing blank; -1 left of or beyond the text.
int EntryAt(const std::vector<std::string>& words, int x,
            const std::function<int(std::string_view)>& textWidth);

// What the detail list shows for an entry of a group row; empty for a bad entry.
DetailRows EntryDetail(CGameDatabase& database, const SkillRow& row, int entry);
// The description box for a group row: the spell group's description; style
// lines have none.
std::string GroupDescription(CGameDatabase& database, const SkillRow& row);

}  // namespace skills_rules
