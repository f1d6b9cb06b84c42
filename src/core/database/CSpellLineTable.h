// spelllines.dat: spell lines, each with base categories and an optional
// specialisation part.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "database/CNoCaseNameIndex.h"
#include "database/DbResult.h"
#include "database/GameTypes.h"

class CSpellCategoryTable;

struct CSpellLineInfo {
    std::int32_t id = 0;
    std::string tag;
    std::string name;
    std::vector<int> baseCategories;
    std::string specName;  // empty: no specialisation part
    std::vector<int> specCategories;
};

class CSpellLineTable {
public:
    DbResult LoadSpellLines(const std::string& folder, const CSpellCategoryTable& categories);

    int Count() const { return static_cast<int>(m_records.size()); }
    const CSpellLineInfo& Info(int index) const { return m_records[index]; }
    int FindById(std::int32_t id) const;
    int FindByName(std::string_view name) const { return m_indexByName.Find(name); }
    std::int32_t Id(int index) const { return m_records[index].id; }
    const std::string& Tag(int index) const { return m_records[index].tag; }
    const std::string& Name(int index) const { return m_records[index].name; }
    const std::string& SpecName(int index) const { return m_records[index].specName; }
    // base true: the base categories; false: the specialisation categories.
    const std::vector<int>& Categories(int index, bool base) const;
    bool HasCategories(int index, bool base) const { return !Categories(index, base).empty(); }
    std::vector<std::string> CategoryNames(int index, bool base) const;
    int FindCategory(int index, std::string_view name, bool base) const;

private:
    std::vector<CSpellLineInfo> m_records;
    const CSpellCategoryTable* m_categories = nullptr;
    std::unordered_map<std::int32_t, int> m_indexById;  // first record of each id
    CNoCaseNameIndex m_indexByName;
};
