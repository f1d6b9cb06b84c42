// What the character sheet contains, as the print options dialog stores it in
// the application settings, and the rules that turn the stored values into
// choices (the "all" keys fall back to the pages' own options).
#pragma once

#include <cstdint>

class CAppSettings;
class CQuillmarDoc;

namespace sheet {

// Orders of the styles table, the values of "PrintStyleSort".
enum class StyleSort : int { ByLineAndLevel = 0, ByLineAndPreceding = 1, ByLevel = 2, ByPrerequisite = 3 };
inline constexpr int kStyleSortCount = 4;

struct PrintOptions {
    bool noStyles = false;
    bool allStyles = false;
    StyleSort styleSort = StyleSort::ByLineAndLevel;
    bool noSpells = false;
    bool allSpells = false;
    bool spellDescriptions = false;
    bool noRealmAbilities = false;
    bool allRealmAbilities = false;
};

// A stored tri-state "all" key: 1 all, -1 only usable, anything else follows
// the page's own option.
bool TriStateAll(std::int32_t stored, bool pageOption);

// The options from the settings, the "all" keys resolved against the
// character's page options. A sort value outside 0..3 gives the first order.
PrintOptions ReadPrintOptions(const CAppSettings& settings, const CQuillmarDoc& doc);

}  // namespace sheet
