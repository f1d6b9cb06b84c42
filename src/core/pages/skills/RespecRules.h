// Respec: which line levels a respec gives back and what the respec dialog
// warns about. A respec changes only line levels; auto-train masks, special
// points and everything else stay.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class CQuillmarDoc;

// The level a respec sets a line to: 1, or for an auto-train line the level
// auto-train keeps it at, a quarter of the whole character level. Never below
// 1, which is what every line has.
int RespecResetLevel(bool autoTrainLine, float characterLevel);

// Only at level 20 and 40 does the game respec for free; anywhere else the
// player needs a respec stone.
bool RespecNeedsStone(float characterLevel);

// The level of the slot before the one of `level`: half a level back above 40,
// a whole level below.
float PreviousSlotLevel(float level);

// The names the dialog offers: the class's style lines, then its spell lines,
// in the class's order.
std::vector<std::string> RespecLines(const CQuillmarDoc& document);

// Resets every line of the document's class, or only the line named
// `chosenLine` when it is not empty (a name that matches no line resets
// nothing). In career mode the levels of the previous slot are first fixed in
// the plan and the current slot is marked as a respec, so that the levels
// before it stay as they were. Views are told once more at the end, because
// the fixing passes through the previous level.
void ApplyRespec(CQuillmarDoc& document, std::string_view chosenLine);
