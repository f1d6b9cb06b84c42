// Two characters side by side: every value a player weighs when choosing
// between two plans (header values, stat totals with raises and realm
// abilities, skill points, each skill line's level, bought realm abilities of
// both rules, master levels), with the signed difference where the values are
// numbers. Both characters use the same game database.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/UiLanguage.h"

class CGameDatabase;
class CQuillmarDoc;

struct ComparedField {
    std::string name;
    std::string a;
    std::string b;
    std::optional<long long> delta;  // b - a, for numbers only
    bool differs = false;
};

// Field names in the interface language (line and ability names as the data
// spells them). The database's selection is put back as it was.
std::vector<ComparedField> CompareCharacters(CGameDatabase& database, const CQuillmarDoc& a, const CQuillmarDoc& b,
                                             UiLanguage language = UiLanguage::English);

// "+3", "-2", "0"; empty for no number.
std::string DeltaText(const std::optional<long long>& delta);
