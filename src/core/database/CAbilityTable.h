// abilities_rest.dat, abilities.dat and abilities_desc.dat: what a class gains
// by level besides specialisation, and the description texts by key.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/CNoCaseNameIndex.h"
#include "database/DbResult.h"
#include "database/GameTypes.h"

class CClassTable;
class CDatReader;
class CSpellLineTable;
class CStyleLineTable;

enum AbilityKind : int {
    kAbilityPlain = 0,
    kAbilityTrainableLine = 1,
    kAbilitySpecialisation = 2,
    kAbilityArmour = 3,
    kAbilityShield = 4,
};

struct ClassAbilityList {
    std::vector<std::string> names;
    std::vector<std::int32_t> levels;
    std::vector<int> kinds;  // AbilityKind
};

struct CClassAbilityEntry {
    int classIndex = -1;
    std::vector<std::int32_t> spellLineLevels;  // parallel to the class's spell lines
    std::vector<std::int32_t> styleLineLevels;  // parallel to the class's style lines
    std::vector<int> abilities;                 // indices into the names list
    std::vector<std::int32_t> abilityLevels;
};

class CAbilityTable {
public:
    DbResult LoadAbilities(const std::string& folder, const CClassTable& classes,
                           const CSpellLineTable& spellLines, const CStyleLineTable& styleLines);

    // The class's abilities, trainable lines and specialisations, by level then name.
    ClassAbilityList ClassAbilities(int classIndex) const;
    // The description under a key (case-insensitive), or the empty text.
    std::string Description(std::string_view key) const;

    int EntryCount() const { return static_cast<int>(m_entries.size()); }
    int NameCount() const { return static_cast<int>(m_names.size()); }

private:
    int FindName(std::string_view name) const;
    int FindOrAddName(const std::string& name);
    void ReadRestRecord(CDatReader& reader);
    // False when a line of the record is not one of the class's lines.
    bool ReadLineLevelRecord(CDatReader& reader);

    std::vector<std::string> m_names;
    CNoCaseNameIndex m_nameIndex;
    std::vector<std::string> m_descriptions;
    std::vector<CClassAbilityEntry> m_entries;
    std::vector<int> m_entryOfClass;  // per class index: its first entry, or -1
    const CClassTable* m_classes = nullptr;
    const CSpellLineTable* m_spellLines = nullptr;
    const CStyleLineTable* m_styleLines = nullptr;
};
