#include "document/CAppSettings.h"

#include "database/DataRoot.h"

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <string>
#include <utility>

#include "common/CPrompt.h"
#include "common/FileIo.h"
#include "document/CByteReader.h"

namespace {

constexpr std::array<std::pair<std::string_view, std::int32_t>, 7> kDefaults = {{
    {setting::TOOLTIP_DELAY, 500},
    {setting::UI_TOOLTIPS, 1},
    {setting::SAVE_MODIFIED, 1},
    {setting::SHOW_EXPERIMENTAL, 0},
    {setting::SHOW_OLD_RAS, 0},
    {setting::DONT_SAVE_SELECTION, 0},
    {setting::DEFAULT_DB, 0},
}};

constexpr const char* kCannotCreate = "can't create 'config.bin'! Unable to save settings";
constexpr const char* kTooMany = "Too many settings to store (at most 255)! Unable to save settings";

void ShowError(CPrompt* prompt, const char* text)
{
    if (prompt)
        prompt->Show({"Error", text, PromptIcon::Error, PromptButtons::Ok});
}

}  // namespace

CAppSettings::CAppSettings()
{
    Reset();
}

void CAppSettings::Reset()
{
    m_values.Clear();
    for (const auto& [key, value] : kDefaults)
        m_values.Set(key, value);
}

CAppSettings::LoadResult CAppSettings::Load(const std::filesystem::path& file)
{
    std::string bytes;
    if (!ReadWholeFile(file.string(), bytes, file_limits::kSettingsFile).ok) {
        Reset();
        return LoadResult::Missing;
    }
    return LoadBytes(bytes);
}

CAppSettings::LoadResult CAppSettings::LoadBytes(std::string_view bytes)
{
    CByteReader reader(bytes);
    if (m_values.ReadFrom(reader))
        return LoadResult::Read;
    for (const auto& [key, value] : kDefaults) {
        if (!m_values.Contains(key))
            m_values.Set(key, value);
    }
    return LoadResult::Damaged;
}

bool CAppSettings::Save(const std::filesystem::path& file, CPrompt* prompt) const
{
    CByteWriter out;
    if (!m_values.WriteTo(out)) {
        ShowError(prompt, kTooMany);
        return false;
    }
    if (!WriteFileReplacing(file.string(), out.Bytes()).ok) {
        ShowError(prompt, kCannotCreate);
        return false;
    }
    return true;
}

std::filesystem::path SettingsFileLocation(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& userConfigFolder)
{
    if (RunsInstalled(programFolder.string()))
        return userConfigFolder / CAppSettings::kFileName;
    const std::filesystem::path besideProgram = programFolder / CAppSettings::kFileName;
    const bool folderWritable = ::access(programFolder.c_str(), W_OK | X_OK) == 0;
    const bool fileWritable = ::access(besideProgram.c_str(), F_OK) != 0 || ::access(besideProgram.c_str(), W_OK) == 0;
    if (folderWritable && fileWritable)
        return besideProgram;
    return userConfigFolder / CAppSettings::kFileName;
}

std::filesystem::path UserConfigFolder()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg)
        return std::filesystem::path(xdg) / "Quillmar";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : ".") / ".config" / "Quillmar";
}
