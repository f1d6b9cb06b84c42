// Rules of the two realm-ability pages (old rules with per-ability costs and
// prerequisites, new rules with a cost table per group): the rows each page
// lists, the points the realm rank gives and the chosen levels use, which level
// buttons can be afforded, the prerequisite marks, the realm rank a set needs
// and what a click on a level button does. Both pages use them; nothing here
// knows about widgets.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "markup/MarkupTypes.h"

class CGameDatabase;
class CQuillmarDoc;

namespace ra_rules {

inline constexpr int kLevelCount = 5;

// Row kinds. Old rules: active, passive, the separator; new rules: the
// activity (active, passive) or kNfHeader + group for a group's header row.
enum RowKind : int {
    kActive = 0,
    kPassive = 1,
    kSeparator = 2,
    kNfHeader = 100,
};

// New-rules groups.
enum Group : int { kNormal = 0, kTimed = 1, kAtRealmRank5 = 2 };

// Marks of a row: none, a prerequisite bought too low, the separator.
inline constexpr int kNoMark = 0;
inline constexpr int kPrerequisiteMark = -1;
inline constexpr int kSeparatorMark = 99;

enum class SortMode : int { ByName = 1, ByKind = 2 };

inline constexpr MarkupColor kMarkText = MarkupRgb(255, 255, 0);
inline constexpr MarkupColor kMarkBackground = MarkupRgb(255, 0, 0);
inline constexpr MarkupColor kNfHeaderBackground = MarkupRgb(232, 232, 232);

struct AbilityRow {
    std::string name;
    int kind = kActive;
    int group = kNormal;        // new rules
    std::string abbreviation;   // new rules
    std::string reuse;          // the "Re-Use" text
    std::string description;    // plain text
    std::string prerequisite;   // old rules; empty for none
    int requiredLevel = 0;      // 0 or less: no prerequisite
    std::array<std::int32_t, kLevelCount> costs{};
    // A level has a button exactly when its caption is not empty.
    std::array<std::string, kLevelCount> captions;
    int level = 0;
    int mark = kNoMark;
    std::array<bool, kLevelCount> available{};

    bool IsHeader() const { return kind == kSeparator || kind >= kNfHeader; }
    bool HasButton(int level1to5) const;
    // The "Benötigt" text: "Name (L2)", or empty.
    std::string NeedsText() const;
    // "Active", "Passive", or empty on header rows.
    std::string_view KindText() const;
};

struct NeededRank {
    std::string realmRank;    // "R%iL%i" or "impossible"
    std::string realmPoints;  // the points followed by " RPs"
};

struct Points {
    int available = 0;
    int used = 0;
    int free = 0;
    NeededRank needed;
};

// Points per level of the new-rules groups; 0 where the level does not exist.
std::array<std::int32_t, kLevelCount> GroupCosts(int group);
// What the header row of a group shows in its level slices.
std::array<std::string, kLevelCount> GroupHeaderCaptions(int group);
std::string_view GroupHeaderName(int group);
// Buttons of a new-rules row share the level cell in this many slices.
int SliceCount(const AbilityRow& row);

// "" for 0 (or less), "%i sec" up to 60, "%i min" (truncated) from 61 on.
std::string ReuseText(std::int32_t seconds);

// One level more per character level above 20 while "CoopMode" is on.
int CoopBonus(const CQuillmarDoc& doc);
// Realm rank and realm points for a set that uses `used` points. A co-op bonus
// larger than the points used needs nothing: R1L0 and 0 RPs.
NeededRank NeededRankFor(int used, int coopBonus);

// The rows of the class the database has selected, with the document's levels;
// the database's selection is put back as it was.
std::vector<AbilityRow> OldRulesRows(CGameDatabase& database, const CQuillmarDoc& doc, SortMode sort);
std::vector<AbilityRow> NewRulesRows(CGameDatabase& database, const CQuillmarDoc& doc);

// Used, free and needed points, and which buttons can be afforded. Old-rules
// rows also count the levels their prerequisite chain still lacks; a chain
// that loops is walked once round, and a prerequisite that is not in the list
// can never be met, so nothing above the current level is available.
Points UpdatePoints(std::vector<AbilityRow>& rows, const CQuillmarDoc& doc);
// Marks every prerequisite that a bought ability needs higher than it is.
void UpdateMarks(std::vector<AbilityRow>& rows);

// The level a click on a row's level button leaves: 0 for the bought level,
// the current level when the point check refuses it, else the clicked level.
int LevelAfterClick(const AbilityRow& row, int clickedLevel, bool pointsIgnored);
// The box "Punkte nicht prüfen", stored in the option "CheckRAPoints".
bool PointsIgnored(const CQuillmarDoc& doc);

enum class Rules { Old, New };
// A click on a level button as the pages handle it: the level the click leaves
// goes into the document's map of those rules, then the points and the marks
// follow. False when the click changed nothing (or hit no button).
bool Click(std::vector<AbilityRow>& rows, std::size_t row, int clickedLevel, CQuillmarDoc& doc, Rules rules,
           Points& points);

}  // namespace ra_rules
