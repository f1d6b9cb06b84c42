#include "database/CClassTable.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "database/CDatReader.h"
#include "database/CRaceTable.h"
#include "database/CSpellLineTable.h"
#include "database/CStyleLineTable.h"

namespace {

// The file's numbers have no range check; a double beyond float range would
// make the narrowing undefined, so it saturates instead.
float ToFloat(double value)
{
    if (std::isnan(value))
        return static_cast<float>(value);
    return static_cast<float>(std::clamp(value, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

std::int32_t Saturate(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// Truncation toward zero that stays defined for any multiplier a file may hold:
// out-of-range values saturate, NaN earns nothing.
std::int32_t TruncateToInt32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

struct LineEntry {
    std::int32_t id = 0;
    bool autoTrain = false;
};

// A line entry is an id with an optional star anywhere in it (7*, *7) marking
// an auto-train line.
LineEntry ParseLineEntry(std::string text)
{
    LineEntry entry;
    if (text.find('*') != std::string::npos) {
        text.erase(std::remove(text.begin(), text.end(), '*'), text.end());
        entry.autoTrain = true;
    }
    entry.id = ParseLeadingInt(text);
    return entry;
}

// Reads a count and that many entries, handing each to `resolve`; false as soon
// as one does not resolve.
template <typename Resolve>
bool ReadCountedList(CDatReader& reader, Resolve&& resolve)
{
    const std::int32_t count = reader.NextInt();
    for (std::int32_t i = 0; i < count; ++i) {
        // Past the end of the line every entry reads empty and resolves the same
        // way: the first such entry decides, the rest would repeat it.
        const bool lineEnded = reader.AtEndOfLine();
        if (!resolve(reader.NextField()))
            return false;
        if (lineEnded)
            break;
    }
    return true;
}

template <typename Table>
bool ResolveLine(const Table& table, const std::string& text, std::vector<int>& lines, std::vector<int>& autoTrain)
{
    const LineEntry entry = ParseLineEntry(text);
    const int line = table.FindById(entry.id);
    if (line < 0)
        return false;
    lines.push_back(line);
    if (entry.autoTrain)
        autoTrain.push_back(line);
    return true;
}

bool Contains(const std::vector<int>& list, int value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

DbResult CClassTable::LoadClasses(const std::string& folder, const CRaceTable& races,
                                  const CStyleLineTable& styleLines, const CSpellLineTable& spellLines)
{
    m_records.clear();
    m_indexByName.Clear();
    m_races = &races;
    m_styleLines = &styleLines;
    m_spellLines = &spellLines;
    CDatReader reader;
    if (!reader.Open(DataFilePath(folder, "classes.dat")))
        return DbResult::FileMissing;
    // Open has already moved to the first record; asking again only tells
    // whether there is one.
    if (!reader.NextLine())
        return DbResult::Loaded;
    do {
        CClassInfo info;
        info.name = reader.NextField();
        const std::string casting = reader.NextField();
        info.castingStat = casting == "0" ? kNoStat : StatFromName(casting);
        info.primaryStat = StatFromName(reader.NextField());
        info.secondaryStat = StatFromName(reader.NextField());
        info.tertiaryStat = StatFromName(reader.NextField());
        info.specMultiplier = ToFloat(reader.NextFloat());
        info.hitPointBase = reader.NextInt();
        info.hitPointFactor = ToFloat(reader.NextFloat());

        const bool racesResolved = ReadCountedList(reader, [&](const std::string& name) {
            const int race = races.FindByName(name);
            if (race >= 0)
                info.races.push_back(race);
            return race >= 0;
        });
        if (!racesResolved)
            return DbResult::UnknownRace;
        if (!ReadCountedList(reader, [&](const std::string& text) {
                return ResolveLine(styleLines, text, info.styleLines, info.autoTrainStyleLines);
            }))
            return DbResult::UnknownStyleLine;
        if (!ReadCountedList(reader, [&](const std::string& text) {
                return ResolveLine(spellLines, text, info.spellLines, info.autoTrainSpellLines);
            }))
            return DbResult::UnknownSpellLine;

        const std::string femaleOnly = reader.NextField();
        info.femaleOnly = !femaleOnly.empty() && (femaleOnly[0] == 't' || femaleOnly[0] == 'T');
        m_indexByName.Add(info.name, static_cast<int>(m_records.size()));
        m_records.push_back(std::move(info));
    } while (reader.NextLine());
    return DbResult::Loaded;
}

RealmIndex CClassTable::RealmOf(int index) const
{
    const std::vector<int>& races = m_records[index].races;
    if (races.empty() || !m_races || races.front() < 0 || races.front() >= m_races->Count())
        return kNoRealm;
    return m_races->RealmOf(races.front());
}

std::vector<std::string> CClassTable::NamesOfRealm(RealmIndex realm) const
{
    std::vector<std::string> names;
    for (int i = 0; i < Count(); ++i) {
        if (realm == kNoRealm || RealmOf(i) == realm)
            names.push_back(m_records[i].name);
    }
    return names;
}

std::vector<std::string> CClassTable::RaceNames(int index) const
{
    std::vector<std::string> names;
    if (!m_races)
        return names;
    for (const int race : m_records[index].races) {
        if (race >= 0 && race < m_races->Count())
            names.push_back(m_races->Name(race));
    }
    return names;
}

int CClassTable::FindStyleLine(int index, std::string_view name) const
{
    if (!m_styleLines)
        return -1;
    for (const int line : m_records[index].styleLines) {
        if (line >= 0 && line < m_styleLines->Count() && EqualsNoCase(m_styleLines->Name(line), name))
            return line;
    }
    return -1;
}

int CClassTable::FindSpellLine(int index, std::string_view name) const
{
    if (!m_spellLines)
        return -1;
    for (const int line : m_records[index].spellLines) {
        if (line >= 0 && line < m_spellLines->Count() && EqualsNoCase(m_spellLines->Name(line), name))
            return line;
    }
    return -1;
}

bool CClassTable::IsAutoTrainStyleLine(int index, int line) const
{
    return Contains(m_records[index].autoTrainStyleLines, line);
}

bool CClassTable::IsAutoTrainSpellLine(int index, int line) const
{
    return Contains(m_records[index].autoTrainSpellLines, line);
}

ClassStatIds CClassTable::Stats(int index) const
{
    const CClassInfo& info = m_records[index];
    return {info.primaryStat, info.secondaryStat, info.tertiaryStat, info.castingStat};
}

ClassHitPointRule CClassTable::HitPoints(int index) const
{
    const CClassInfo& info = m_records[index];
    return {info.hitPointBase, info.hitPointFactor};
}

StatValues CClassTable::StatsAtLevel(int index, const StatValues& raceStats, double level) const
{
    StatValues stats = raceStats;
    if (!(level > 5.0))  // also false for NaN
        return stats;
    // Far beyond any real level; keeps the conversion defined.
    const auto whole = static_cast<std::int64_t>(std::min(level, 1e9));
    const CClassInfo& info = m_records[index];
    const auto grow = [&stats](StatId stat, std::int64_t amount) {
        if (stat >= 0 && stat < kStatCount)
            stats[stat] = Saturate(stats[stat] + amount);
    };
    grow(info.primaryStat, whole - 5);
    grow(info.secondaryStat, (whole - 4) / 2);
    grow(info.tertiaryStat, whole / 3 - 1);
    return stats;
}

std::int32_t CClassTable::SpecPointsUpTo(int index, double level) const
{
    const double multiplier = m_records[index].specMultiplier;
    std::int64_t points = 0;
    for (int i = 2; i <= 5; ++i) {
        if (i <= level)
            points += i;
    }
    for (int i = 6; i <= 50; ++i) {
        if (i <= level)
            points += TruncateToInt32(i * multiplier);
    }
    // Each half level from 40.5 on earns half a level's points.
    for (int i = 40; i <= 49; ++i) {
        if (i <= level - 0.5)
            points += TruncateToInt32(i * multiplier * 0.5);
    }
    return Saturate(points);
}
