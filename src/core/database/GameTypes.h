// Identifiers shared by every part of the game database: realm and stat
// numbers, and the case-insensitive comparison by which files name records.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// 0 Caldor, 1 Glenmora, 2 Nordhal, -1 none or unknown.
using RealmIndex = int;
constexpr RealmIndex kNoRealm = -1;
constexpr int kRealmCount = 3;

// 0 Strength … 7 Charisma, -1 none.
using StatId = int;
constexpr StatId kNoStat = -1;
constexpr int kStatCount = 8;
using StatValues = std::array<std::int32_t, kStatCount>;

RealmIndex RealmFromCode(std::string_view code);
std::string RealmName(RealmIndex realm);
std::vector<std::string> RealmNames();
StatId StatFromName(std::string_view name);

// Byte comparison with ASCII letters folded: the data's names are compared this
// way (German letters compare exactly).
bool EqualsNoCase(std::string_view a, std::string_view b);

// Hash and equality that fold ASCII letters as EqualsNoCase does. A map with
// them finds a name in any ASCII case, and looks up a string_view without
// building a key string first.
struct NoCaseHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const;
};
struct NoCaseEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return EqualsNoCase(a, b); }
};

// Two parallel lists handed to callers: names and the level of each.
struct NamedLevels {
    std::vector<std::string> names;
    std::vector<std::int32_t> levels;
};

// Rows of a spell or style detail: a label and its value each.
struct DetailRows {
    std::vector<std::string> labels;
    std::vector<std::string> values;
};

// Path of a data file inside a data folder.
std::string DataFilePath(const std::string& folder, std::string_view fileName);
