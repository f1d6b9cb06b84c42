// A small but complete game world (races, styles, spells and classes: the files
// of tests/data/mini) copied into a temporary folder and loaded through the real
// loaders. Tests add their own files (ras.csv, …) to `folder` and load them
// against the tables held here.
#pragma once

#include <string>

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

// Record indices, in file order. Restoration has the part "Restoration Mastery".
enum Race : int { kHuman, kHighborn, kSylvan, kFennic, kDwarf, kJotun };
enum StyleLine : int { kSword, kShield, kDagger, kStaff };
enum SpellLine : int { kRestoration, kFlames, kWarding };

// Classes with their lines in the class's own order (* auto-trained):
//   Cleric      (Caldor)   style lines Shield;              spell lines Restoration*, Warding
//   Blademaster (Glenmora) style lines Sword*, Shield, Dagger; no spell lines
//   Pyromancer  (Nordhal)  style lines Staff;               spell lines Flames, Restoration
//   Valkyrie    (Nordhal)  style lines Shield;              spell lines Warding; female only
enum Class : int { kCleric, kBlademaster, kPyromancer, kValkyrie };

// Spell-line ids as the data files name them.
constexpr int kRestorationId = 7, kFlamesId = 8, kWardingId = 9;

}  // namespace mini

class MiniWorld {
public:
    MiniWorld();  // not copyable: it owns its folder

    std::string Path() const { return folder.PathText(); }
    bool AllLoaded() const { return m_loaded; }
    // The mini world holds the files up to classes.dat; this adds the later ones empty.
    void AddEmptyLaterFiles();

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
    bool m_loaded = false;
};
