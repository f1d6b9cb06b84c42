// spells.csv: every spell with its level and detail texts, found by id.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "database/DbResult.h"
#include "database/GameTypes.h"

struct CSpellInfo {
    std::int32_t id = 0;
    std::string name;
    std::int32_t level = 0;
    std::string target;
    std::string times;
    std::string range;
    std::string costs;
    std::string effect;
    std::string damageType;
};

class CSpellTable {
public:
    DbResult LoadSpells(const std::string& folder);

    int Count() const { return static_cast<int>(m_records.size()); }
    const CSpellInfo& Info(int index) const { return m_records[index]; }
    // Index of the spell with the id (the later of two with the same id), or -1.
    int FindById(std::int32_t id) const;
    const std::string& Name(int index) const { return m_records[index].name; }
    std::int32_t Level(int index) const { return m_records[index].level; }
    const std::string& Effect(int index) const { return m_records[index].effect; }
    const std::string& DamageType(int index) const { return m_records[index].damageType; }
    DetailRows Detail(int index) const;

    // Ids the array index covers. A file may carry any 32-bit id, and an array up
    // to a giant id would cost gigabytes, so negative and larger ids are kept in
    // a map beside it and found all the same.
    static constexpr std::int32_t kMaxIndexedId = 1000000;

private:
    std::vector<CSpellInfo> m_records;
    std::vector<int> m_indexById{-1};  // one entry per id 0..max indexed id
    std::unordered_map<std::int32_t, int> m_unindexedIds;

    static bool IsIndexable(std::int32_t id) { return id >= 0 && id <= kMaxIndexedId; }
    void BuildIdIndex();
};
