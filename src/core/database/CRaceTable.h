// races.csv: the playable races with their realm and base stats.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "database/CNoCaseNameIndex.h"
#include "database/DbResult.h"
#include "database/GameTypes.h"

struct CRaceInfo {
    std::string name;
    RealmIndex realm = kNoRealm;
    StatValues stats{};
    // Carried by the file after the stats; nothing reads them.
    std::array<std::int32_t, 9> trailing{};
};

class CRaceTable {
public:
    // Reads races.csv from the folder; replaces what the table held.
    DbResult LoadRaces(const std::string& folder);

    int Count() const { return static_cast<int>(m_records.size()); }
    const CRaceInfo& Info(int index) const { return m_records[index]; }
    int FindByName(std::string_view name) const { return m_indexByName.Find(name); }
    const std::string& Name(int index) const { return m_records[index].name; }
    RealmIndex RealmOf(int index) const { return m_records[index].realm; }
    const StatValues& Stats(int index) const { return m_records[index].stats; }
    // Names of the realm's races (all races for -1), each name once.
    std::vector<std::string> NamesOfRealm(RealmIndex realm) const;

private:
    std::vector<CRaceInfo> m_records;
    CNoCaseNameIndex m_indexByName;
};
