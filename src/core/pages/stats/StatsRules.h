// Rules of the base stats page: creation-point costs, stepping a stat, the item
// cap, what each of the four value columns shows and in which colours, the
// hit-point estimates and the rows of the class's ability list. Everything is
// computed into plain structs so that the page only draws them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/CAbilityTable.h"
#include "database/CClassTable.h"
#include "database/GameTypes.h"
#include "markup/MarkupTypes.h"

class CGameDatabase;
class CQuillmarDoc;

namespace stats_rules {

constexpr int kCreationPoints = 30;
// The most that 30 points buy for one stat (10 + 2*5 + 3*3 = 29).
constexpr int kMaxSpent = 18;

// Realm ability that adds hit points, looked up under both names because only
// the loaded data language can match.
inline constexpr std::string_view kToughnessGerman = "Belastbarkeit";
inline constexpr std::string_view kToughnessEnglish = "Toughness";

// The description keys of the eight stats in the data (spelled as the data has them).
inline constexpr std::array<std::string_view, kStatCount> kStatDescriptionKeys = {
    "STAT_STRENGTH",     "STAT_CONSTITUTION", "STAT_DEXERITY", "STAT_QUICKNESS",
    "STAT_INTELLIGENCE", "STAT_PIETY",        "STAT_EMPATHY",  "STAT_CHARISMA",
};

inline constexpr MarkupColor kSpentText = MarkupRgb(0, 128, 0);
inline constexpr MarkupColor kPrimaryBackground = MarkupRgb(255, 255, 196);
inline constexpr MarkupColor kSecondaryBackground = MarkupRgb(235, 235, 164);
inline constexpr MarkupColor kTertiaryBackground = MarkupRgb(220, 220, 128);
inline constexpr MarkupColor kCastingText = MarkupRgb(0, 0, 127);
inline constexpr MarkupColor kLineBackground = MarkupRgb(232, 232, 255);
inline constexpr MarkupColor kArmourShieldBackground = MarkupRgb(240, 240, 240);
inline constexpr MarkupColor kArmourText = MarkupRgb(128, 0, 0);
inline constexpr MarkupColor kShieldText = MarkupRgb(0, 92, 0);

// Cost of raising a stat that already has `spent` points by one more.
int RaiseCost(int spent);
// Total cost of `spent` points on one stat (0 for a negative count).
int TotalCost(int spent);
// 30 minus the cost of all eight stats; negative when a loaded file spent more.
int FreePoints(const StatValues& spent);
// Level truncated, plus half of it.
int ItemCap(float level);
// "+Cap (75)".
std::string CapHeader(int cap);
// "%i", or "FEHLER" (in both languages) when negative.
std::string FreePointsText(int freePoints);

struct StepResult {
    int spent = 0;
    int freePoints = 0;
    // What to add to the document's raise; 0 when nothing could be done.
    int applied = 0;
};
// One stepper action on a stat. delta > 0 lowers the stat that many times
// (refunding), delta < 0 raises it |delta| times while the free points pay
// for it; a raise stops at the first step that costs more than is left.
StepResult StepStat(int spent, int freePoints, int delta);

// Default colours where a colour is absent.
struct CellLook {
    std::int32_t value = 0;
    std::optional<MarkupColor> text;
    std::optional<MarkupColor> background;

    bool operator==(const CellLook&) const = default;
};

struct StatRow {
    CellLook base;
    CellLook atLevel;
    CellLook itemCap;
    CellLook withRealmAbilities;
};

// What the page reads from the database and the document.
struct StatsInput {
    float level = 0.0f;
    StatValues race{};
    StatValues spent{};
    StatValues atLevel{};             // race and class growth at the level
    StatValues withRealmAbilities{};  // the document's totals
    std::int32_t constitutionAt50 = 0;
    ClassStatIds classStats;
    ClassHitPointRule hitPoints;
    std::int32_t toughness = 0;  // both names of the hit-point realm ability
};

struct StatsModel {
    std::array<StatRow, kStatCount> rows;
    int cap = 0;
    std::string capHeader;
    int freePoints = 0;
    std::string freePointsText;
    std::array<std::int32_t, 3> hitPoints{};
};

// Reads the selected race and class from the database's selection and the
// level, raises and realm abilities from the document.
StatsInput GatherStatsInput(const CGameDatabase& database, const CQuillmarDoc& document);
StatsModel ComputeStats(const StatsInput& input);

// The three hit-point figures for level 50 (base, with item cap, with realm
// abilities). Only their inputs from StatsInput are used.
std::array<std::int32_t, 3> HitPoints(const StatsInput& input);

struct AbilityRow {
    std::string level;  // empty above level 50
    std::string train;  // "x" for a trainable line
    std::string name;
    int kind = kAbilityPlain;
    std::optional<MarkupColor> text;
    std::optional<MarkupColor> background;
};
std::vector<AbilityRow> AbilityRows(const ClassAbilityList& abilities);

}  // namespace stats_rules
