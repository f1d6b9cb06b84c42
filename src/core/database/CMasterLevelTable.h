// malines.csv and malevel.csv: the two master-level tracks of each class and
// every level of every track.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "database/DbResult.h"

class CClassTable;

struct CClassTracks {
    int classIndex = -1;
    int firstTrack = -1;
    int secondTrack = -1;
};

struct CMasterLevelInfo {
    int track = -1;
    std::int32_t level = 0;  // 0: the record describes the track itself
    std::string name;
    std::string description;
    std::string target;
    std::string castTime;
    std::string duration;
    std::string recast;
    std::string radiusRange;
    std::int32_t timer = 0;  // 0 none, else the timer icon 1..7
};

struct MasterLevelTargetTimer {
    std::string target;
    std::int32_t timer = 0;
};

struct ClassTrackNames {
    std::string first;
    std::string second;
};

class CMasterLevelTable {
public:
    DbResult LoadMasterLevels(const std::string& folder, const CClassTable& classes);

    int TrackCount() const { return static_cast<int>(m_trackNames.size()); }
    const std::string& TrackName(int track) const { return m_trackNames[track]; }
    int ClassTrackCount() const { return static_cast<int>(m_classTracks.size()); }
    int LevelCount() const { return static_cast<int>(m_levels.size()); }

    ClassTrackNames ClassTracks(int classIndex) const;
    int FindTrack(int classIndex, std::string_view name) const;
    // Names of the track's levels 1..10, ascending by level.
    std::vector<std::string> TrackLevels(int track) const;
    std::optional<MasterLevelTargetTimer> LevelInfo(int track, int level) const;
    std::string LevelDescription(int track, int level) const;

private:
    int FindOrAddTrack(const std::string& name);
    // First record of the track and level, or null.
    const CMasterLevelInfo* FindLevel(int track, int level) const;

    std::vector<std::string> m_trackNames;
    std::unordered_map<std::string, int> m_trackIndex;  // exact name -> index
    std::vector<CClassTracks> m_classTracks;
    std::vector<CMasterLevelInfo> m_levels;
};
