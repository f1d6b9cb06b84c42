// classes.dat: the character classes of all realms, their stats, points rule,
// races and trainable lines. A class's realm is the realm of its first race.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "database/CNoCaseNameIndex.h"
#include "database/DbResult.h"
#include "database/GameTypes.h"

class CRaceTable;
class CStyleLineTable;
class CSpellLineTable;

struct CClassInfo {
    std::string name;
    StatId castingStat = kNoStat;
    StatId primaryStat = kNoStat;
    StatId secondaryStat = kNoStat;
    StatId tertiaryStat = kNoStat;
    float specMultiplier = 1.0f;
    std::int32_t hitPointBase = 0;
    float hitPointFactor = 0.0f;
    std::vector<int> races;
    std::vector<int> styleLines;
    std::vector<int> spellLines;
    std::vector<int> autoTrainStyleLines;
    std::vector<int> autoTrainSpellLines;
    bool femaleOnly = false;
};

struct ClassStatIds {
    StatId primary = kNoStat;
    StatId secondary = kNoStat;
    StatId tertiary = kNoStat;
    StatId casting = kNoStat;
};

struct ClassHitPointRule {
    std::int32_t base = 0;
    float factor = 0.0f;
};

class CClassTable {
public:
    DbResult LoadClasses(const std::string& folder, const CRaceTable& races,
                         const CStyleLineTable& styleLines, const CSpellLineTable& spellLines);

    int Count() const { return static_cast<int>(m_records.size()); }
    const CClassInfo& Info(int index) const { return m_records[index]; }
    int FindByName(std::string_view name) const { return m_indexByName.Find(name); }
    const std::string& Name(int index) const { return m_records[index].name; }
    // Realm of the first race; -1 for a class without races.
    RealmIndex RealmOf(int index) const;
    std::vector<std::string> NamesOfRealm(RealmIndex realm) const;
    std::vector<std::string> RaceNames(int index) const;
    const std::vector<int>& Races(int index) const { return m_records[index].races; }
    std::vector<int> StyleLines(int index) const { return m_records[index].styleLines; }
    std::vector<int> SpellLines(int index) const { return m_records[index].spellLines; }
    int FindStyleLine(int index, std::string_view name) const;
    int FindSpellLine(int index, std::string_view name) const;
    bool IsAutoTrainStyleLine(int index, int line) const;
    bool IsAutoTrainSpellLine(int index, int line) const;
    ClassStatIds Stats(int index) const;
    float SpecMultiplier(int index) const { return m_records[index].specMultiplier; }
    ClassHitPointRule HitPoints(int index) const;
    bool IsFemaleOnly(int index) const { return m_records[index].femaleOnly; }

    // The race's base stats with the class's growth at a level.
    StatValues StatsAtLevel(int index, const StatValues& raceStats, double level) const;
    // Specialisation points earned up to a level (half steps above 40).
    std::int32_t SpecPointsUpTo(int index, double level) const;

private:
    std::vector<CClassInfo> m_records;
    CNoCaseNameIndex m_indexByName;
    const CRaceTable* m_races = nullptr;
    const CStyleLineTable* m_styleLines = nullptr;
    const CSpellLineTable* m_spellLines = nullptr;
};
