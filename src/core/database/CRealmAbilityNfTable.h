// rasnf.csv: realm abilities under the new rules, with a cost group and a
// caption per level; the captions of the stat abilities carry their bonus.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/CNoCaseNameIndex.h"
#include "database/DbResult.h"

class CClassTable;

struct CRealmAbilityNfInfo {
    std::int32_t group = 0;  // 0 normal, 1 timed, 2 at realm rank 5
    std::string name;
    std::string abbreviation;
    int kind = 0;  // RealmAbilityKind
    std::string description;
    std::array<std::string, 5> captions;  // empty: the level does not exist
    std::string reuse;                    // empty for group 0
    std::vector<int> classes;
};

struct RealmAbilityNfSummary {
    std::string abbreviation;
    std::string reuse;
    std::int32_t group = 0;
    int kind = 0;
};

class CRealmAbilityNfTable {
public:
    DbResult LoadRealmAbilitiesNf(const std::string& folder, const CClassTable& classes);

    int Count() const { return static_cast<int>(m_records.size()); }
    int FindByName(std::string_view name) const { return m_indexByName.Find(name); }
    int FindForClass(std::string_view name, int classIndex) const;
    const std::string& Name(int index) const { return m_records[index].name; }
    const std::string& Description(int index) const { return m_records[index].description; }
    RealmAbilityNfSummary Info(int index) const;
    const std::array<std::string, 5>& Captions(int index) const { return m_records[index].captions; }
    const std::vector<int>& Classes(int index) const { return m_records[index].classes; }
    std::vector<std::string> ListForClass(int classIndex) const;
    std::vector<std::string> ListAll() const;
    // The leading number of the caption of a level 1..5; 0 otherwise.
    std::int32_t ValueAtLevel(std::string_view name, int level) const;

private:
    std::vector<CRealmAbilityNfInfo> m_records;
    CNoCaseNameIndex m_indexByName;
};
