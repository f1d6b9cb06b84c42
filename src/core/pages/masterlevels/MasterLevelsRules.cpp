#include "pages/masterlevels/MasterLevelsRules.h"

#include <charconv>
#include <cstdio>

#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"

namespace masterlevels_rules {

std::vector<std::string> ColumnTitles(int track)
{
    return {track == 0 ? "Name" : "", "Timer"};
}

int ChosenTrack(const CQuillmarDoc& doc)
{
    return doc.GetMasterLevelOption() != 0 ? 1 : 0;
}

bool IsMarked(int track, int row, int chosen, int level)
{
    return track == chosen && row >= 0 && row < level;
}

std::string TimerText(int timer)
{
    if (timer == 0)
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "%i", timer);
    return text;
}

int TimerPicture(std::string_view cellText)
{
    int value = 0;
    const char* first = cellText.data();
    const char* last = first + cellText.size();
    // Leading digits count, as a decimal reading of the text does.
    if (first != last && *first == '+')
        ++first;
    if (std::from_chars(first, last, value).ec != std::errc())
        return -1;
    return value >= 1 && value <= kTimerIconCount ? value - 1 : -1;
}

std::string Description(CGameDatabase& database, std::string_view track, int level)
{
    const DatabaseSelection remembered = database.Selection();
    database.SelectMasterLevel(track);
    std::string description = database.MasterLevelDescription(level);
    database.RestoreSelection(remembered);
    return description;
}

MasterLevelsModel BuildModel(CGameDatabase& database, const CQuillmarDoc& doc)
{
    const DatabaseSelection remembered = database.Selection();
    MasterLevelsModel model;
    const ClassTrackNames names = database.MasterLevelTracks();
    model.tracks = {names.first, names.second};
    for (int track = 0; track < kTrackCount; ++track) {
        database.SelectMasterLevel(model.tracks[static_cast<std::size_t>(track)]);
        const std::vector<std::string> levels = database.MasterLevelAbilities();
        std::vector<LevelRow>& rows = model.lists[static_cast<std::size_t>(track)];
        for (std::size_t i = 0; i < levels.size(); ++i) {
            const auto info = database.MasterLevelInfo(static_cast<int>(i) + 1);
            rows.push_back({levels[i], info ? info->timer : 0, false});
        }
    }
    database.RestoreSelection(remembered);
    Choose(model, database, ChosenTrack(doc), doc.GetMasterLevel());
    return model;
}

void Choose(MasterLevelsModel& model, CGameDatabase& database, int chosen, int level)
{
    model.chosen = chosen;
    model.level = level;
    for (int track = 0; track < kTrackCount; ++track) {
        std::vector<LevelRow>& rows = model.lists[static_cast<std::size_t>(track)];
        for (std::size_t row = 0; row < rows.size(); ++row)
            rows[row].marked = IsMarked(track, static_cast<int>(row), chosen, level);
    }
    const bool known = chosen >= 0 && chosen < kTrackCount;
    model.description =
        known ? Description(database, model.tracks[static_cast<std::size_t>(chosen)], kTrackDescriptionLevel)
              : std::string();
}

bool DescribedRows::Take(int track, int row)
{
    if (track < 0 || track >= kTrackCount)
        return false;
    int& last = m_rows[static_cast<std::size_t>(track)];
    if (row == last)
        return false;
    last = row;
    return true;
}

int DescribedRows::Row(int track) const
{
    return track >= 0 && track < kTrackCount ? m_rows[static_cast<std::size_t>(track)] : -1;
}

}  // namespace masterlevels_rules
