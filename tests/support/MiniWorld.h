// A small but complete game world (races, styles, spells and classes) written
// into a temporary data folder and loaded through the real loaders, for tests
// of the tables that resolve against classes and lines. Tests add their own
// files (ras.csv, abilities.dat, …) to `folder` and load them against the
// tables held here.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "database/CClassTable.h"
#include "database/CRaceTable.h"
#include "database/CSpellCategoryTable.h"
#include "database/CSpellCategoryTextTable.h"
#include "database/CSpellLineTable.h"
#include "database/CSpellTable.h"
#include "database/CStyleLineTable.h"
#include "database/CStyleTable.h"
#include "support/TempDataFolder.h"

namespace mini {

// Record indices of the world, in file order.
enum Race : int { kHuman, kHighborn, kSylvan, kFennic, kDwarf, kJotun };
enum StyleLine : int { kSword, kShield, kDagger, kStaff };
// Restoration has the specialisation part "Restoration Mastery"; the others none.
enum SpellLine : int { kRestoration, kFlames, kWarding };

// Classes with their lines, in the class's own order:
//   Cleric      (Caldor)   style lines Shield;              spell lines Restoration*, Warding
//   Blademaster (Glenmora) style lines Sword*, Shield, Dagger; no spell lines
//   Pyromancer  (Nordhal)  style lines Staff;               spell lines Flames, Restoration
//   Valkyrie    (Nordhal)  style lines Shield;              spell lines Warding; female only
enum Class : int { kCleric, kBlademaster, kPyromancer, kValkyrie };

// Spell-line ids as the data files name them.
constexpr int kRestorationId = 7;
constexpr int kFlamesId = 8;
constexpr int kWardingId = 9;

}  // namespace mini

class MiniWorld {
public:
    MiniWorld();
    MiniWorld(const MiniWorld&) = delete;
    MiniWorld& operator=(const MiniWorld&) = delete;

    std::string Path() const { return folder.PathText(); }
    // True when every file of the world loaded with no error.
    bool AllLoaded() const;
    // The file and result of every loader that did not return 0.
    std::vector<std::pair<std::string, DbResult>> Failures() const;

    TempDataFolder folder;
    CRaceTable races;
    CStyleTable styles;
    CStyleLineTable styleLines;
    CSpellTable spells;
    CSpellCategoryTextTable categoryTexts;
    CSpellCategoryTable categories;
    CSpellLineTable spellLines;
    CClassTable classes;

private:
    std::vector<std::pair<std::string, DbResult>> m_results;
};
