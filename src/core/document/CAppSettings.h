// The application's preferences and remembered choices, one integer per key,
// kept in "config.bin" beside the program. Owned by the application and shared
// by every document and page.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "document/CNamedValueList.h"

class CPrompt;

namespace setting {
inline constexpr std::string_view TOOLTIP_DELAY = "TOOLTIP_DELAY";
inline constexpr std::string_view UI_TOOLTIPS = "UI_TOOLTIPS";
inline constexpr std::string_view SAVE_MODIFIED = "SAVE_MODIFIED";
inline constexpr std::string_view SHOW_EXPERIMENTAL = "SHOW_EXPERIMENTAL";
inline constexpr std::string_view SHOW_OLD_RAS = "SHOW_OLD_RAS";
inline constexpr std::string_view DONT_SAVE_SELECTION = "DONT_SAVE_SELECTION";
inline constexpr std::string_view DEFAULT_DB = "DEFAULT_DB";
inline constexpr std::string_view LAST_REALM = "LAST_REALM";
inline constexpr std::string_view LAST_CLASS = "LAST_CLASS";
inline constexpr std::string_view LAST_RACE = "LAST_RACE";
inline constexpr std::string_view LAST_PAGE = "LAST_PAGE";
inline constexpr std::string_view PrintNoStyles = "PrintNoStyles";
inline constexpr std::string_view PrintAllStyles = "PrintAllStyles";
inline constexpr std::string_view PrintStyleSort = "PrintStyleSort";
inline constexpr std::string_view PrintNoSpells = "PrintNoSpells";
inline constexpr std::string_view PrintAllSpells = "PrintAllSpells";
inline constexpr std::string_view PrintSpellDesc = "PrintSpellDesc";
inline constexpr std::string_view PrintNoRAs = "PrintNoRAs";
inline constexpr std::string_view PrintAllRAs = "PrintAllRAs";
}  // namespace setting

class CAppSettings {
public:
    static constexpr std::string_view kFileName = "config.bin";

    // Starts with the defaults, as if no file had been found.
    CAppSettings();

    std::int32_t Get(std::string_view key) const { return m_values.Get(key); }
    void Set(std::string_view key, std::int32_t value) { m_values.Set(key, value); }
    const CNamedValueList& Values() const { return m_values; }

    // Forgets everything, then sets the keys that have a default, in their
    // fixed order. In memory only.
    void Reset();

    enum class LoadResult { Read, Damaged, Missing };
    // Missing file: the defaults. A truncated or damaged file keeps the pairs
    // read completely; keys with a default that it did not reach get their
    // default, so that (for example) the save question is not silently lost.
    LoadResult Load(const std::filesystem::path& file);
    // The same from the file's bytes (Read or Damaged).
    LoadResult LoadBytes(std::string_view bytes);
    // Writes through a temporary file beside the target and renames it over
    // the old file, so a failure keeps the old file. Failures are shown
    // through the prompt (when given) and return false.
    bool Save(const std::filesystem::path& file, CPrompt* prompt) const;

private:
    CNamedValueList m_values;
};

// Where config.bin is kept: beside the program in a build tree or a portable
// folder, unless that folder or the file there cannot be written; for an
// installed program, and then, in the user's config folder.
std::filesystem::path SettingsFileLocation(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& userConfigFolder);

// The per-user folder for config.bin: $XDG_CONFIG_HOME/Quillmar, else
// ~/.config/Quillmar (where the desktop program's own settings go too).
std::filesystem::path UserConfigFolder();
