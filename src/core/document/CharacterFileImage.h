// The character file as its bytes lay it out: numbers that name records of the
// game database, before they are turned into names. Parsing checks the layout
// only (lengths, counts, the end of the data); whether a number names a record
// is for the conversion into a document to decide.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/CNamedValueList.h"

namespace chr {

constexpr std::uint32_t kOldestVersion = 0x02000000;
constexpr std::uint32_t kCurrentVersion = 0x02006000;
// Versions from which on a field or section is part of the layout.
constexpr std::uint32_t kExtraPointsSince = 0x02003000;
constexpr std::uint32_t kNewRulesAbilitiesSince = 0x02004000;
constexpr std::uint32_t kCurrentNumberingSince = 0x02005000;
constexpr std::uint32_t kRespecFlagsSince = 0x02006000;
constexpr std::uint32_t kStyleNumberingSince = 0x02002000;
// The master-level fields follow only in versions after this one.
constexpr std::uint32_t kMasterLevelsAfter = 0x02001000;
constexpr int kSlotCount = 61;
constexpr int kStatCount = 8;
constexpr std::string_view kMagic = "CHAR";

struct PlanEntry {
    std::int32_t spellLine = -1;  // numeric spell-line id (old files: table position)
    std::int32_t styleLine = -1;  // style-line table position
    std::int32_t level = 0;
    std::uint8_t respec = 0;

    bool operator==(const PlanEntry&) const = default;
};

struct AutoTrainEntry {
    std::int32_t spellLine = -1;  // spell-line table position
    std::int32_t styleLine = -1;  // style-line table position
    std::int32_t mask = 0;

    bool operator==(const AutoTrainEntry&) const = default;
};

struct AbilityEntry {
    std::int32_t ability = -1;  // position in the realm-ability table
    std::int32_t level = 0;

    bool operator==(const AbilityEntry&) const = default;
};

struct FileImage {
    std::uint32_t version = kCurrentVersion;
    CNamedValueList options;
    float level = 50.0f;
    std::array<std::int32_t, kStatCount> statRaise{};
    std::int32_t realmRank = 0;
    std::int32_t extraSpecPoints = 0;
    std::int32_t realm = -1;
    std::int32_t race = -1;
    std::int32_t classIndex = -1;
    std::array<std::vector<PlanEntry>, kSlotCount> plan;
    std::vector<AutoTrainEntry> autoTrain;
    std::vector<AbilityEntry> realmAbilities;
    std::vector<AbilityEntry> realmAbilitiesNf;
    std::int32_t masterLevelOption = 0;
    std::int32_t masterLevel = 0;

    bool operator==(const FileImage&) const = default;
};

enum class ParseStatus {
    Parsed,
    WrongMagic,       // not a character file at all
    TooOld,           // a version before the oldest supported one
    Truncated,        // the data ends inside a field
    BadCount,         // a negative count, or more entries than bytes left
};

struct ParseResult {
    ParseStatus status = ParseStatus::Parsed;
    // Where the problem lies: the section name and the byte offset.
    std::string section;
    std::size_t offset = 0;
    FileImage image;
};

// Reads the layout of the image's version; a newer version is read with the
// current layout (image.version tells the caller to ask the user first), and
// bytes after the last field are left alone, as newer versions may add some.
// Stops at the first damage; then only image.version may be used.
ParseResult ParseImage(std::string_view bytes);

// Whether a list of this many entries can be stored: its count is a signed
// 32-bit number.
constexpr bool CountFits(std::size_t entries)
{
    return entries <= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
}

// The bytes of the current layout. Fails (nothing) when a list cannot be
// stored, for example more than 255 options.
std::optional<std::string> SerializeImage(const FileImage& image);

}  // namespace chr
