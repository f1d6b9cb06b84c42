// Rules of the resists page: a reference table of every spell category whose
// spells carry a damage type, for every class of the ticked realms, and the
// header-click sorting of that table. The page reads only the game database;
// the planned character does not enter into it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "database/GameTypes.h"

class CGameDatabase;

namespace resists_rules {

enum Column : int {
    kRealmColumn = 0,
    kDamageTypeColumn = 1,
    kEffectColumn = 2,
    kClassColumn = 3,
    kSpellLineColumn = 4,
    kColumnCount = 5
};

using ResistRow = std::array<std::string, kColumnCount>;
using TickedRealms = std::array<bool, kRealmCount>;

// "Realm", "DamType", "Effect", "Class", "Spell Line".
std::vector<std::string> ColumnTitles();

// One row per realm, class, spell line part and category whose first spell has
// a damage type, in data order: base part before specialisation part. The
// database's selection is walked and put back exactly as it was.
std::vector<ResistRow> BuildRows(CGameDatabase& database, const TickedRealms& realms);

// The sort state is 0 (unsorted), +(c + 1) ascending or -(c + 1) descending by
// column c; a click on the column already sorted ascending turns it around.
int SortStateAfterClick(int sortState, int clickedColumn);

// Byte by byte as unsigned characters; a prefix comes first. <0, 0 or >0.
int CompareBytes(std::string_view a, std::string_view b);

// Sorts by the state's column (no change for 0 or an unknown column); equal
// cells keep their current order, so that the rows' numbering decides.
void SortRows(std::vector<ResistRow>& rows, int sortState);

}  // namespace resists_rules
