#include "pages/skills/RespecRules.h"

#include <algorithm>
#include <cmath>

#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"
#include "document/LevelSlot.h"

namespace {

struct LineMark {
    std::string name;
    bool autoTrain = false;
};

// Read from the class table rather than through the database's selection: the
// selection's line cursors belong to whichever page asked last, and a style
// line and a spell line are told apart by their table, not by their name.
std::vector<LineMark> ClassLines(const CQuillmarDoc& document)
{
    std::vector<LineMark> lines;
    const CGameDatabase& database = document.Database();
    const CClassTable& classes = database.Classes();
    const int classIndex = document.GetClass().empty() ? -1 : classes.FindByName(document.GetClass());
    if (classIndex < 0)
        return lines;
    for (const int line : classes.StyleLines(classIndex))
        lines.push_back({database.StyleLines().Name(line), classes.IsAutoTrainStyleLine(classIndex, line)});
    for (const int line : classes.SpellLines(classIndex))
        lines.push_back({database.SpellLines().Name(line), classes.IsAutoTrainSpellLine(classIndex, line)});
    return lines;
}

}  // namespace

int RespecResetLevel(bool autoTrainLine, float characterLevel)
{
    if (!autoTrainLine || !(characterLevel > 0.0f))  // also NaN
        return 1;
    const int whole = static_cast<int>(std::min(characterLevel, level_slot::kMaxLevel));
    return std::max(whole / 4, 1);
}

bool RespecNeedsStone(float characterLevel)
{
    return characterLevel != 20.0f && characterLevel != 40.0f;
}

float PreviousSlotLevel(float level)
{
    return level > 40.4f ? level - 0.5f : level - 1.0f;
}

std::vector<std::string> RespecLines(const CQuillmarDoc& document)
{
    std::vector<std::string> names;
    for (LineMark& line : ClassLines(document))
        names.push_back(std::move(line.name));
    return names;
}

void ApplyRespec(CQuillmarDoc& document, std::string_view chosenLine)
{
    std::vector<LineMark> lines = ClassLines(document);
    if (!chosenLine.empty())
        std::erase_if(lines, [chosenLine](const LineMark& line) { return line.name != chosenLine; });
    // Nothing to reset: the plan is not touched either (no fixing, no respec mark).
    if (lines.empty())
        return;

    const float level = document.GetLevel();
    const bool career = document.IsCareerMode() != 0;
    if (career) {
        // Below the first level there is no slot the document can be moved to
        // (SetLevel would clamp back to the current one and fix its levels
        // instead); nothing can have been trained there that needs keeping.
        const float previous = PreviousSlotLevel(level);
        if (previous >= level_slot::kMinLevel) {
            document.SetLevel(previous);
            document.SnapLevel();
            document.SetLevel(level);
        }
        document.SetRespecAt(level, true);
    }
    for (const LineMark& line : lines)
        document.SetSpecLevel(line.name, RespecResetLevel(line.autoTrain, level));
    // SnapLevel told the views while the document stood at the previous level,
    // and neither the level's return nor a reset of a line the slot already
    // held tells them again.
    if (career)
        document.UpdateAllViews(0);
}
