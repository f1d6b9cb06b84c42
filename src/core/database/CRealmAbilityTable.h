// ras.csv: realm abilities under the old rules, with a cost per level and an
// optional prerequisite.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "database/CNoCaseNameIndex.h"
#include "database/DbResult.h"

class CClassTable;

enum RealmAbilityKind : int { kRealmAbilityActive = 0, kRealmAbilityPassive = 1 };

struct CRealmAbilityInfo {
    std::string name;
    int kind = kRealmAbilityActive;
    std::int32_t reuse = 0;
    std::array<std::int32_t, 5> costs{};  // 0: the level does not exist
    int prerequisite = -1;
    std::int32_t prerequisiteLevel = 0;
    std::string description;
    std::vector<int> classes;
};

struct RealmAbilityPrerequisite {
    std::string name;  // empty when there is none
    std::int32_t level = -1;
};

struct RealmAbilityListing {
    std::vector<std::string> names;
    std::vector<int> kinds;
};

class CRealmAbilityTable {
public:
    DbResult LoadRealmAbilities(const std::string& folder, const CClassTable& classes);

    int Count() const { return static_cast<int>(m_records.size()); }
    const CRealmAbilityInfo& Info(int index) const { return m_records[index]; }
    int FindByName(std::string_view name) const { return m_indexByName.Find(name); }
    int FindForClass(std::string_view name, int classIndex) const;
    const std::string& Name(int index) const { return m_records[index].name; }
    std::int32_t Reuse(int index) const { return m_records[index].reuse; }
    const std::array<std::int32_t, 5>& Costs(int index) const { return m_records[index].costs; }
    const std::string& Description(int index) const { return m_records[index].description; }
    RealmAbilityPrerequisite Prerequisite(int index) const;
    // The class's abilities sorted by name (byte order).
    RealmAbilityListing ListForClass(int classIndex) const;
    RealmAbilityListing ListAll() const;

private:
    std::vector<CRealmAbilityInfo> m_records;
    CNoCaseNameIndex m_indexByName;
};
