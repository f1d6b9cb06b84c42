// spellscat.dat: spell categories, each a family of spells of rising level.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "database/DbResult.h"
#include "database/GameTypes.h"

class CSpellTable;
class CSpellCategoryTextTable;

struct CSpellCategoryInfo {
    std::int32_t id = 0;
    std::string name;
    int description = -1;  // index into the category text table
    std::int32_t displayMode = 0;
    std::vector<int> spells;  // spell indices, file order
};

class CSpellCategoryTable {
public:
    DbResult LoadCategories(const std::string& folder, const CSpellTable& spells,
                            const CSpellCategoryTextTable& texts);

    int Count() const { return static_cast<int>(m_records.size()); }
    const CSpellCategoryInfo& Info(int index) const { return m_records[index]; }
    int FindById(std::int32_t id) const;
    const std::string& Name(int index) const { return m_records[index].name; }
    std::int32_t DisplayMode(int index) const { return m_records[index].displayMode; }
    std::string Description(int index) const;
    // Spell names and levels, ascending by level.
    NamedLevels Spells(int index) const;
    // The spell of the highest level not above maxLevel (first among equals), or -1.
    int BestSpellUpTo(int index, std::int32_t maxLevel) const;
    int FindSpell(int index, std::string_view name, std::int32_t level) const;

private:
    std::vector<CSpellCategoryInfo> m_records;
    const CSpellTable* m_spells = nullptr;
    const CSpellCategoryTextTable* m_texts = nullptr;
    std::unordered_map<std::int32_t, int> m_indexById;  // first record of each id
};
