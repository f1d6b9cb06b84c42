#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/FileIo.h"
#include "document/CAppSettings.h"
#include "support/RecordingPrompt.h"
#include "support/TempDataFolder.h"
#include "support/WriteFailures.h"

namespace {

const std::vector<NamedValue> kDefaults = {
    {"TOOLTIP_DELAY", 500},     {"UI_TOOLTIPS", 1},         {"SAVE_MODIFIED", 1}, {"SHOW_EXPERIMENTAL", 0},
    {"SHOW_OLD_RAS", 0},        {"DONT_SAVE_SELECTION", 0}, {"DEFAULT_DB", 0},
};

const char* const kCannotCreate = "can't create 'config.bin'! Unable to save settings";

std::vector<NamedValue> PairsOf(const CAppSettings& settings)
{
    return {settings.Values().begin(), settings.Values().end()};
}

std::string LayoutOf(const std::vector<NamedValue>& pairs)
{
    std::string bytes(1, static_cast<char>(pairs.size()));
    const auto put32 = [&bytes](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    for (const NamedValue& pair : pairs) {
        put32(static_cast<std::uint32_t>(pair.value));
        put32(static_cast<std::uint32_t>(pair.key.size()));
        bytes += pair.key;
    }
    return bytes;
}

std::string Contents(const std::filesystem::path& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path.string(), bytes).ok) << path;
    return bytes;
}

int FileCount(const std::filesystem::path& folder)
{
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

// A settings object whose remembered choices and print options are all set.
CAppSettings UsedSettings()
{
    CAppSettings settings;
    settings.Set(setting::TOOLTIP_DELAY, 1500);
    settings.Set(setting::SAVE_MODIFIED, 0);
    settings.Set(setting::LAST_REALM, 2);
    settings.Set(setting::LAST_CLASS, 17);
    settings.Set(setting::LAST_RACE, -1);
    settings.Set(setting::LAST_PAGE, 4);
    for (const std::string_view key : {setting::PrintNoStyles, setting::PrintAllStyles, setting::PrintStyleSort,
                                       setting::PrintNoSpells, setting::PrintAllSpells, setting::PrintSpellDesc,
                                       setting::PrintNoRAs, setting::PrintAllRAs})
        settings.Set(key, 1);
    return settings;
}

TEST(AppSettings, StartsWithTheSevenDefaultsInOrder)
{
    const CAppSettings settings;
    EXPECT_EQ(PairsOf(settings), kDefaults);
    EXPECT_EQ(settings.Get(setting::LAST_PAGE), 0);
    EXPECT_EQ(settings.Get(setting::LAST_REALM), 0);
}

TEST(AppSettings, ResetForgetsRememberedChoicesAndPrintOptions)
{
    CAppSettings settings = UsedSettings();
    ASSERT_GT(settings.Values().Count(), 7);
    settings.Reset();
    EXPECT_EQ(PairsOf(settings), kDefaults);
    // A key set after a reset goes to the end.
    settings.Set(setting::LAST_CLASS, 3);
    EXPECT_EQ(settings.Values().At(7), (NamedValue{"LAST_CLASS", 3}));
}

TEST(AppSettings, MissingFileGivesTheDefaults)
{
    TempDataFolder folder;
    CAppSettings settings = UsedSettings();
    EXPECT_EQ(settings.Load(folder.Path() / "config.bin"), CAppSettings::LoadResult::Missing);
    EXPECT_EQ(PairsOf(settings), kDefaults);
}

TEST(AppSettings, SavedDefaultsAreTheSevenPairLayout)
{
    TempDataFolder folder;
    const auto file = folder.Path() / "config.bin";
    RecordingPrompt prompt;
    ASSERT_TRUE(CAppSettings().Save(file, &prompt));
    EXPECT_TRUE(prompt.messages.empty());
    const std::string bytes = Contents(file);
    EXPECT_EQ(bytes.substr(0, 9), std::string("\x07\xF4\x01\x00\x00\x0D\x00\x00\x00", 9));
    EXPECT_EQ(bytes, LayoutOf(kDefaults));
}

TEST(AppSettings, SaveThenLoadGivesTheSamePairsInTheSameOrder)
{
    TempDataFolder folder;
    const auto file = folder.Path() / "config.bin";
    const CAppSettings saved = UsedSettings();
    ASSERT_TRUE(saved.Save(file, nullptr));

    CAppSettings loaded;
    loaded.Set("SOMETHING_ELSE", 3);
    EXPECT_EQ(loaded.Load(file), CAppSettings::LoadResult::Read);
    EXPECT_EQ(PairsOf(loaded), PairsOf(saved));
    EXPECT_EQ(loaded.Get(setting::LAST_RACE), -1);
    EXPECT_FALSE(loaded.Values().Contains("SOMETHING_ELSE"));
}

TEST(AppSettings, ALoadedFileKeepsItsOwnOrderAndMayLackDefaults)
{
    TempDataFolder folder;
    const std::vector<NamedValue> stored = {{"LAST_PAGE", 2}, {"DEFAULT_DB", 1}, {"TOOLTIP_DELAY", 0}};
    folder.Write("config.bin", LayoutOf(stored));
    CAppSettings settings;
    EXPECT_EQ(settings.Load(folder.Path() / "config.bin"), CAppSettings::LoadResult::Read);
    // A complete file is taken as it is: keys it leaves out read as 0.
    EXPECT_EQ(PairsOf(settings), stored);
    EXPECT_EQ(settings.Get(setting::SAVE_MODIFIED), 0);
}

// A file cut anywhere keeps the pairs read completely and gives every key with
// a default that it did not reach its default, appended in the default order.
TEST(AppSettings, DamagedFileKeepsCompletePairsAndFillsMissingDefaults)
{
    const std::vector<NamedValue> stored = {{"LAST_CLASS", 5}, {"SAVE_MODIFIED", 0}, {"TOOLTIP_DELAY", 1500}};
    const std::string bytes = LayoutOf(stored);
    std::vector<std::size_t> ends;
    std::size_t offset = 1;
    for (const NamedValue& pair : stored) {
        offset += 8 + pair.key.size();
        ends.push_back(offset);
    }

    TempDataFolder folder;
    const auto file = folder.Path() / "config.bin";
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        folder.Write("config.bin", bytes.substr(0, cut));
        CAppSettings settings = UsedSettings();
        EXPECT_EQ(settings.Load(file), CAppSettings::LoadResult::Damaged) << cut;

        std::vector<NamedValue> expected;
        for (std::size_t i = 0; i < stored.size(); ++i) {
            if (ends[i] <= cut)
                expected.push_back(stored[i]);
        }
        for (const NamedValue& pair : kDefaults) {
            bool present = false;
            for (const NamedValue& kept : expected)
                present = present || kept.key == pair.key;
            if (!present)
                expected.push_back(pair);
        }
        EXPECT_EQ(PairsOf(settings), expected) << "cut at " << cut;
    }
}

TEST(AppSettings, CountBeyondTheDataIsDamage)
{
    TempDataFolder folder;
    std::string bytes = LayoutOf({{"SAVE_MODIFIED", 0}});
    bytes[0] = static_cast<char>(9);
    folder.Write("config.bin", bytes);
    CAppSettings settings;
    EXPECT_EQ(settings.Load(folder.Path() / "config.bin"), CAppSettings::LoadResult::Damaged);
    EXPECT_EQ(settings.Get(setting::SAVE_MODIFIED), 0);  // kept as read, not reset
    EXPECT_EQ(settings.Get(setting::TOOLTIP_DELAY), 500);
    EXPECT_EQ(settings.Values().Count(), 7);
}

void ExpectCannotCreateMessage(const RecordingPrompt& prompt)
{
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].caption, "Error");
    EXPECT_EQ(prompt.messages[0].text, kCannotCreate);
    EXPECT_EQ(prompt.messages[0].icon, PromptIcon::Error);
    EXPECT_EQ(prompt.messages[0].buttons, PromptButtons::Ok);
}

TEST(AppSettingsSave, MissingFolderShowsTheMessageAndWritesNothing)
{
    TempDataFolder folder;
    const auto file = folder.Path() / "no-such-folder" / "config.bin";
    RecordingPrompt prompt;
    EXPECT_FALSE(UsedSettings().Save(file, &prompt));
    ExpectCannotCreateMessage(prompt);
    EXPECT_FALSE(std::filesystem::exists(file.parent_path()));
    // Without a prompt the failure is still reported to the caller.
    EXPECT_FALSE(UsedSettings().Save(file, nullptr));
}

TEST(AppSettingsSave, ReadOnlyFolderShowsTheMessageAndKeepsTheOldFile)
{
    TempDataFolder folder;
    const auto file = folder.Path() / "config.bin";
    ASSERT_TRUE(CAppSettings().Save(file, nullptr));
    const std::string old = Contents(file);
    ::chmod(file.c_str(), 0644);
    ::chmod(folder.Path().c_str(), 0555);
    // The prompt lives in the process that saves; the checks are made there.
    const std::optional<bool> checked = RunUnprivileged([&file] {
        RecordingPrompt prompt;
        const bool saved = UsedSettings().Save(file, &prompt);
        return !saved && prompt.messages.size() == 1 && prompt.messages[0].caption == "Error" &&
               prompt.messages[0].text == kCannotCreate && prompt.messages[0].icon == PromptIcon::Error &&
               prompt.messages[0].buttons == PromptButtons::Ok;
    });
    ::chmod(folder.Path().c_str(), 0700);
    if (!checked.has_value())
        GTEST_SKIP() << "could not give up root's privileges";
    EXPECT_TRUE(*checked) << "the save did not fail with exactly the expected message";
    EXPECT_EQ(Contents(file), old);
    EXPECT_EQ(FileCount(folder.Path()), 1);
}

TEST(AppSettingsSave, MoreThan255PairsAreRefusedAndKeepTheOldFile)
{
    TempDataFolder folder;
    const auto file = folder.Path() / "config.bin";
    ASSERT_TRUE(CAppSettings().Save(file, nullptr));
    const std::string old = Contents(file);

    CAppSettings settings;
    for (int i = 0; settings.Values().Count() < 256; ++i)
        settings.Set("KEY_" + std::to_string(i), i);
    RecordingPrompt prompt;
    EXPECT_FALSE(settings.Save(file, &prompt));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].caption, "Error");
    EXPECT_EQ(prompt.messages[0].icon, PromptIcon::Error);
    EXPECT_EQ(Contents(file), old);
}

// SettingsFileLocation ----------------------------------------------------------------

TEST(SettingsFileLocation, BesideTheProgramWhenThatFolderIsWritable)
{
    TempDataFolder program;
    TempDataFolder user;
    EXPECT_EQ(SettingsFileLocation(program.Path(), user.Path()), program.Path() / "config.bin");
    program.Write("config.bin", LayoutOf(kDefaults));
    EXPECT_EQ(SettingsFileLocation(program.Path(), user.Path()), program.Path() / "config.bin");
}

TEST(SettingsFileLocation, MissingProgramFolderUsesTheUserFolder)
{
    TempDataFolder user;
    const auto program = user.Path() / "gone";
    EXPECT_EQ(SettingsFileLocation(program, user.Path()), user.Path() / "config.bin");
}

TEST(SettingsFileLocation, ReadOnlyFolderOrFileUsesTheUserFolder)
{
    struct Case {
        const char* name;
        mode_t folderMode;
        mode_t fileMode;  // 0: no file
    };
    for (const Case& c : {Case{"read-only folder", 0555, 0}, Case{"read-only folder with file", 0555, 0644},
                          Case{"read-only file", 0777, 0444}, Case{"writable file", 0777, 0666}}) {
        TempDataFolder program;
        TempDataFolder user;
        if (c.fileMode != 0) {
            program.Write("config.bin", LayoutOf(kDefaults));
            ::chmod((program.Path() / "config.bin").c_str(), c.fileMode);
        }
        ::chmod(program.Path().c_str(), c.folderMode);
        const bool besideExpected = c.folderMode == 0777 && c.fileMode == 0666;
        const auto expected = besideExpected ? program.Path() / "config.bin" : user.Path() / "config.bin";
        const std::optional<bool> matched = RunUnprivileged(
            [&] { return SettingsFileLocation(program.Path(), user.Path()) == expected; });
        ::chmod(program.Path().c_str(), 0700);
        if (!matched.has_value())
            GTEST_SKIP() << "could not give up root's privileges";
        EXPECT_TRUE(*matched) << c.name;
    }
}

}  // namespace
