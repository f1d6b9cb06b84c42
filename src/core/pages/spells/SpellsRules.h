// Rules of the spells page: for every spell line of the class, the spells the
// character can use, base spells by the character level and specialisation
// spells by the line level, narrowed or widened by the page's three options.
// Everything is computed into plain rows so that the page only shows them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "markup/MarkupTypes.h"

class CGameDatabase;
class CQuillmarDoc;

namespace spells_rules {

// The row kinds, also the value kept with each list row.
enum class RowKind : int {
    Spell = 0,
    LineHeader = 1,
    Group = 2,
    SpecHeader = 3,
};

enum Column : int {
    kNameColumn = 0,
    kLevelColumn = 1,
    kTargetColumn = 2,  // then cast/duration/recast, range/radius, cost, effect
    kColumnCount = 7
};

// Keys of the page's options in the character's options.
inline constexpr std::string_view kShowAllSpells = "ShowAllSpells";
inline constexpr std::string_view kShowOnlyTopSpells = "ShowOnlyTopSpells";
inline constexpr std::string_view kUseSpellTypeAsName = "UseSpellTypeAsName";

// Every spell up to this level is shown with "All spells".
inline constexpr int kAllSpellsLevel = 50;

inline constexpr MarkupColor kLineHeaderBackground = MarkupRgb(196, 196, 255);
inline constexpr MarkupColor kGroupBackground = MarkupRgb(212, 212, 212);
inline constexpr MarkupColor kSpecHeaderBackground = MarkupRgb(232, 232, 255);

struct SpellsOptions {
    bool showAll = false;
    bool onlyTop = false;
    bool typeAsName = false;
};

struct SpellRow {
    RowKind kind = RowKind::Spell;
    std::array<std::string, kColumnCount> cells;
};

// "Name", "Level", "Target", "Cast/Duration/Recast", "Range/Radius", "Cost", "Effect".
std::vector<std::string> ColumnTitles();

// The options as the character stores them (absent = off).
SpellsOptions StoredOptions(const CQuillmarDoc& doc);

// The background of a row kind; spell rows keep the list's own colours.
std::optional<MarkupColor> Background(RowKind kind);

// The lowest level shown of a group whose spells, in their order, have these
// levels, up to the limit: 0, or with onlyTop the best level (display mode
// other than 1 and 2), the one found before the best (mode 1) or 0 (mode 2).
int LowestShownLevel(const std::vector<std::int32_t>& levels, int limit, int displayMode, bool onlyTop);

// The rows for the class the database has selected; the database's selection
// is put back as it was.
std::vector<SpellRow> BuildRows(CGameDatabase& database, const CQuillmarDoc& doc, const SpellsOptions& options);

}  // namespace spells_rules
