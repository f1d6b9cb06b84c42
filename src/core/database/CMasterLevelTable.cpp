#include "database/CMasterLevelTable.h"

#include <utility>

#include "database/CClassTable.h"
#include "database/CCsvReader.h"
#include "database/ExchangeSort.h"
#include "database/GameTypes.h"

DbResult CMasterLevelTable::LoadMasterLevels(const std::string& folder, const CClassTable& classes)
{
    m_trackNames.clear();
    m_trackIndex.clear();
    m_classTracks.clear();
    m_levels.clear();

    CCsvReader reader;
    if (!reader.Open(DataFilePath(folder, "malines.csv")))
        return DbResult::FileMissing;
    if (reader.NextLine()) {
        do {
            const std::string className = reader.NextField();
            CClassTracks tracks;
            tracks.firstTrack = FindOrAddTrack(reader.NextField());
            tracks.secondTrack = FindOrAddTrack(reader.NextField());
            tracks.classIndex = classes.FindByName(className);
            if (tracks.classIndex < 0)
                return DbResult::UnknownClass;
            m_classTracks.push_back(tracks);
        } while (reader.NextLine());
    }

    if (!reader.Open(DataFilePath(folder, "malevel.csv")))
        return DbResult::FileMissing;
    m_levels.reserve(reader.LineCount());
    if (reader.NextLine()) {
        do {
            CMasterLevelInfo info;
            info.track = FindOrAddTrack(reader.NextField());
            info.level = reader.NextInt();
            info.name = reader.NextField();
            info.description = reader.NextField();
            info.target = reader.NextField();
            info.castTime = reader.NextField();
            info.duration = reader.NextField();
            info.recast = reader.NextField();
            info.radiusRange = reader.NextField();
            info.timer = reader.NextInt();
            m_levels.push_back(std::move(info));
        } while (reader.NextLine());
    }
    return DbResult::Loaded;
}

ClassTrackNames CMasterLevelTable::ClassTracks(int classIndex) const
{
    for (const CClassTracks& tracks : m_classTracks) {
        if (tracks.classIndex == classIndex)
            return {m_trackNames[tracks.firstTrack], m_trackNames[tracks.secondTrack]};
    }
    return {};
}

int CMasterLevelTable::FindTrack(int classIndex, std::string_view name) const
{
    for (const CClassTracks& tracks : m_classTracks) {
        if (tracks.classIndex != classIndex)
            continue;
        if (m_trackNames[tracks.firstTrack] == name)
            return tracks.firstTrack;
        if (m_trackNames[tracks.secondTrack] == name)
            return tracks.secondTrack;
    }
    return -1;
}

std::vector<std::string> CMasterLevelTable::TrackLevels(int track) const
{
    std::vector<const CMasterLevelInfo*> levels;
    for (const CMasterLevelInfo& info : m_levels) {
        if (info.track == track && info.level > 0)
            levels.push_back(&info);
    }
    // Two records of one level keep the order this exchange sort gives them.
    ExchangeSort(
        levels.size(), [&](std::size_t i, std::size_t j) { return levels[i]->level > levels[j]->level; },
        [&](std::size_t i, std::size_t j) { std::swap(levels[i], levels[j]); });
    std::vector<std::string> names;
    names.reserve(levels.size());
    for (const CMasterLevelInfo* info : levels)
        names.push_back(info->name);
    return names;
}

const CMasterLevelInfo* CMasterLevelTable::FindLevel(int track, int level) const
{
    for (const CMasterLevelInfo& info : m_levels) {
        if (info.track == track && info.level == level)
            return &info;
    }
    return nullptr;
}

std::optional<MasterLevelTargetTimer> CMasterLevelTable::LevelInfo(int track, int level) const
{
    const CMasterLevelInfo* info = FindLevel(track, level);
    if (!info)
        return std::nullopt;
    return MasterLevelTargetTimer{info->target, info->timer};
}

std::string CMasterLevelTable::LevelDescription(int track, int level) const
{
    const CMasterLevelInfo* info = FindLevel(track, level);
    if (!info)
        return {};
    std::string text;
    text += "<al><b>" + info->name + "</b><br>";
    text += "Target: <b>" + info->target + "</b><br>";
    text += "<al>Cast time: <b>" + info->castTime + "</b>";
    text += "Duration: <b>" + info->duration + "</b>";
    text += "Recast: <b>" + info->recast + "</b>";
    text += "Radius/Range: <b>" + info->radiusRange + "</b><br><hr=100%><br>";
    text += info->description + "<br><hr=100%><br>";
    return text;
}

int CMasterLevelTable::FindOrAddTrack(const std::string& name)
{
    const auto [it, added] = m_trackIndex.emplace(name, static_cast<int>(m_trackNames.size()));
    if (added)
        m_trackNames.push_back(name);
    return it->second;
}
