#include "database/CRaceTable.h"

#include "database/CCsvReader.h"

namespace {

// The realm column spells the realm out in full; the three-letter codes that
// RealmFromCode accepts are refused here.
RealmIndex RealmFromRaceColumn(std::string_view text)
{
    constexpr const char* kNames[kRealmCount] = {"caldor", "glenmora", "nordhal"};
    for (int realm = 0; realm < kRealmCount; ++realm) {
        if (EqualsNoCase(text, kNames[realm]))
            return realm;
    }
    return kNoRealm;
}

}  // namespace

DbResult CRaceTable::LoadRaces(const std::string& folder)
{
    m_records.clear();
    m_indexByName.Clear();
    CCsvReader reader;
    if (!reader.Open(DataFilePath(folder, "races.csv")))
        return DbResult::FileMissing;
    // Open has already moved to the first record; asking again only tells
    // whether there is one, so a file of comments yields no phantom record.
    if (!reader.NextLine())
        return DbResult::Loaded;
    do {
        CRaceInfo race;
        race.name = reader.NextField();
        race.realm = RealmFromRaceColumn(reader.NextField());
        if (race.realm == kNoRealm)
            return DbResult::UnknownRealm;
        for (std::int32_t& stat : race.stats)
            stat = reader.NextInt();
        for (std::int32_t& value : race.trailing)
            value = reader.NextInt();
        m_indexByName.Add(race.name, static_cast<int>(m_records.size()));
        m_records.push_back(std::move(race));
    } while (reader.NextLine());
    return DbResult::Loaded;
}

std::vector<std::string> CRaceTable::NamesOfRealm(RealmIndex realm) const
{
    std::vector<std::string> names;
    for (const CRaceInfo& race : m_records) {
        if (realm != kNoRealm && race.realm != realm)
            continue;
        bool known = false;
        for (const std::string& name : names)
            known = known || EqualsNoCase(name, race.name);
        if (!known)
            names.push_back(race.name);
    }
    return names;
}
