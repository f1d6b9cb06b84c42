// Rules of the master levels page: the two tracks the class offers, the
// levels of each with their timer, which of them the character has reached in
// the chosen track, and the descriptions of a track and of its levels.
// Everything is computed into plain values so that the page only shows them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "markup/MarkupTypes.h"

class CGameDatabase;
class CQuillmarDoc;

namespace masterlevels_rules {

enum Column : int { kNameColumn = 0, kTimerColumn = 1, kColumnCount = 2 };

inline constexpr int kTrackCount = 2;
inline constexpr int kLowestLevel = 0;
inline constexpr int kHighestLevel = 10;
// Timer values 1..7 have a picture each.
inline constexpr int kTimerIconCount = 7;
inline constexpr int kTimerColumnWidth = 40;
// A level value that stands for the track itself.
inline constexpr int kTrackDescriptionLevel = 0;

inline constexpr MarkupColor kMarkedBackground = MarkupRgb(196, 196, 255);
inline constexpr std::string_view kTrackButtonTooltip = "Select Master-Track you which";

struct LevelRow {
    std::string name;
    int timer = 0;  // 0 none, else the timer picture 1..7
    bool marked = false;
};

struct MasterLevelsModel {
    std::array<std::string, kTrackCount> tracks;
    int chosen = 0;  // 0 the first track, 1 the second
    int level = 0;   // the master level as the character stores it
    std::array<std::vector<LevelRow>, kTrackCount> lists;
    std::string description;  // of the chosen track
};

// "Name", "Timer" over the first track's list; "", "Timer" over the second's.
std::vector<std::string> ColumnTitles(int track);

// The chosen track as the page shows it: any stored value but 0 is the second.
int ChosenTrack(const CQuillmarDoc& doc);

// Row `row` (0-based, level row + 1) of the list of `track` is reached.
bool IsMarked(int track, int row, int chosen, int level);

// "%i" of the timer value, empty for none.
std::string TimerText(int timer);
// The picture (0-based) for a timer cell's text read as a decimal number k:
// k - 1 for k in 1..7; -1 (no picture) for anything else.
int TimerPicture(std::string_view cellText);

// The description of a level of the named track of the selected class, the
// track's own one for level 0; empty when the track or level is unknown. The
// database's selection is put back as it was.
std::string Description(CGameDatabase& database, std::string_view track, int level);

// The page for the class the database has selected; the database's selection
// is put back as it was.
MasterLevelsModel BuildModel(CGameDatabase& database, const CQuillmarDoc& doc);

// Another track or level chosen: the marks and the chosen track's description
// follow; the lists keep their rows.
void Choose(MasterLevelsModel& model, CGameDatabase& database, int chosen, int level);

// The row last described from each list, so that the pointer resting on the
// same row again does not describe it anew.
class DescribedRows {
public:
    // True when `row` of the track's list is not the one described last from
    // that list; it is then remembered.
    bool Take(int track, int row);
    int Row(int track) const;

private:
    std::array<int, kTrackCount> m_rows{-1, -1};
};

}  // namespace masterlevels_rules
