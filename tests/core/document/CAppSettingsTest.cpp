#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/FileIo.h"
#include "document/CAppSettings.h"
#include "document/CByteReader.h"
#include "support/RecordingPrompt.h"
#include "support/TempDataFolder.h"
#include "support/WriteFailures.h"

namespace {

const std::vector<NamedValue> kDefaults = {
    {"TOOLTIP_DELAY", 500}, {"UI_TOOLTIPS", 1},         {"SAVE_MODIFIED", 1}, {"SHOW_EXPERIMENTAL", 0},
    {"SHOW_OLD_RAS", 0},    {"DONT_SAVE_SELECTION", 0}, {"DEFAULT_DB", 0},
};

std::vector<NamedValue> PairsOf(const CAppSettings& settings)
{
    return {settings.Values().begin(), settings.Values().end()};
}

std::string LayoutOf(const std::vector<NamedValue>& pairs)
{
    CNamedValueList list;
    for (const NamedValue& pair : pairs)
        list.Set(pair.key, pair.value);
    CByteWriter out;
    EXPECT_TRUE(list.WriteTo(out));
    return out.Bytes();
}

std::string Contents(const std::filesystem::path& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path.string(), bytes, file_limits::kSettingsFile).ok) << path;
    return bytes;
}

CAppSettings UsedSettings()
{
    CAppSettings settings;
    settings.Set(setting::TOOLTIP_DELAY, 1500);
    settings.Set(setting::SAVE_MODIFIED, 0);
    settings.Set(setting::LAST_REALM, 2);
    settings.Set(setting::LAST_CLASS, 17);
    settings.Set(setting::LAST_RACE, -1);
    settings.Set(setting::PrintAllRAs, 1);
    return settings;
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
    EXPECT_FALSE(loaded.Values().Contains("SOMETHING_ELSE"));
}

// A settings file that is not a plain file is as good as missing: the program
// starts with the defaults instead of waiting on it (which files are read is
// the file layer's).
TEST(AppSettings, UnreadableFileGivesTheDefaults)
{
    TempDataFolder folder;
    ASSERT_EQ(::mkfifo((folder.Path() / "pipe.bin").c_str(), 0600), 0);
    CAppSettings settings = UsedSettings();
    EXPECT_EQ(settings.Load(folder.Path() / "pipe.bin"), CAppSettings::LoadResult::Missing);
    EXPECT_EQ(PairsOf(settings), kDefaults);
}

// A key stored twice keeps its first value, and the list then holds it once.
TEST(AppSettings, AKeyStoredTwiceKeepsItsFirstValue)
{
    CByteWriter out;
    out.WriteU8(3);
    for (const NamedValue& pair :
         {NamedValue{"LAST_CLASS", 5}, NamedValue{"SAVE_MODIFIED", 0}, NamedValue{"LAST_CLASS", 7}}) {
        out.WriteI32(pair.value);
        out.WriteU32(static_cast<std::uint32_t>(pair.key.size()));
        out.WriteBytes(pair.key);
    }
    CAppSettings settings;
    EXPECT_EQ(settings.LoadBytes(out.Bytes()), CAppSettings::LoadResult::Read);
    EXPECT_EQ(settings.Get("LAST_CLASS"), 5);
    EXPECT_EQ(std::count_if(settings.Values().begin(), settings.Values().end(),
                            [](const NamedValue& pair) { return pair.key == "LAST_CLASS"; }),
              1);
}

// A file cut anywhere keeps the pairs read completely and gives every key with
// a default that it did not reach its default, appended in the default order.
TEST(AppSettings, DamagedFileKeepsCompletePairsAndFillsMissingDefaults)
{
    const std::vector<NamedValue> stored = {{"LAST_CLASS", 5}, {"SAVE_MODIFIED", 0}, {"TOOLTIP_DELAY", 1500}};
    const std::string bytes = LayoutOf(stored);
    TempDataFolder folder;
    const auto file = folder.Path() / "config.bin";
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        folder.Write("config.bin", bytes.substr(0, cut));
        CAppSettings settings = UsedSettings();
        EXPECT_EQ(settings.Load(file), CAppSettings::LoadResult::Damaged) << cut;

        CNamedValueList expected;
        std::size_t end = 1;  // the count
        for (const NamedValue& pair : stored) {
            end += 8 + pair.key.size();
            if (end <= cut)
                expected.Set(pair.key, pair.value);
        }
        for (const NamedValue& pair : kDefaults) {
            if (!expected.Contains(pair.key))
                expected.Set(pair.key, pair.value);
        }
        EXPECT_EQ(PairsOf(settings), std::vector<NamedValue>(expected.begin(), expected.end()))
            << "cut at " << cut;
    }
}

// Any failed write (here a full disk) shows the message and keeps the old file.
TEST(AppSettingsSave, AFailedWriteShowsTheMessageAndKeepsTheOldFile)
{
    TempDataFolder folder;
    const auto file = folder.Path() / "config.bin";
    ASSERT_TRUE(CAppSettings().Save(file, nullptr));
    const std::string old = Contents(file);
    RecordingPrompt prompt;
    {
        const FileSizeLimit limit(old.size());
        EXPECT_FALSE(UsedSettings().Save(file, &prompt));
    }
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].caption, "Error");
    EXPECT_EQ(prompt.messages[0].text, "can't create 'config.bin'! Unable to save settings");
    EXPECT_EQ(prompt.messages[0].icon, PromptIcon::Error);
    EXPECT_EQ(prompt.messages[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(Contents(file), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);  // no leftovers
}

// Lookups are exact and case-sensitive; setting keeps a pair's place, and
// SetOrRemove with 0 removes it without touching the order of the rest.
TEST(NamedValueList, SetSetOrRemoveAndGet)
{
    struct Case {
        const char* key;
        std::int32_t value;
        bool orRemove;
        std::vector<NamedValue> expected;
    };
    const Case cases[] = {
        {"b", 0, true, {{"a", 1}, {"c", 3}}},
        {"a", 0, true, {{"b", 2}, {"c", 3}}},
        {"c", 0, true, {{"a", 1}, {"b", 2}}},
        {"x", 0, true, {{"a", 1}, {"b", 2}, {"c", 3}}},
        {"B", 5, false, {{"a", 1}, {"b", 2}, {"c", 3}, {"B", 5}}},
        {"", 4, false, {{"a", 1}, {"b", 2}, {"c", 3}, {"", 4}}},
    };
    for (const Case& c : cases) {
        CNamedValueList list{{"a", 1}, {"b", 2}, {"c", 3}};
        c.orRemove ? list.SetOrRemove(c.key, c.value) : list.Set(c.key, c.value);
        EXPECT_EQ(std::vector<NamedValue>(list.begin(), list.end()), c.expected) << c.key << " " << c.value;
        EXPECT_EQ(list.Get(c.key), c.orRemove && c.value == 0 ? 0 : c.value) << c.key;
        EXPECT_EQ(list.Contains(c.key), !(c.orRemove && c.value == 0)) << c.key;
    }
}

TEST(SettingsFileLocation, AnInstalledProgramKeepsItInTheUsersFolder)
{
    TempDataFolder prefix, user;
    std::filesystem::create_directories(prefix.Path() / "bin");
    EXPECT_EQ(SettingsFileLocation(prefix.Path() / "bin", user.Path()), prefix.Path() / "bin" / "config.bin");
    std::filesystem::create_directories(prefix.Path() / "share" / "quillmar" / "de");
    EXPECT_EQ(SettingsFileLocation(prefix.Path() / "bin", user.Path()), user.Path() / "config.bin");
    // A build tree has its data beside the program.
    std::filesystem::create_directories(prefix.Path() / "bin" / "de");
    EXPECT_EQ(SettingsFileLocation(prefix.Path() / "bin", user.Path()), prefix.Path() / "bin" / "config.bin");
}

TEST(SettingsFileLocation, BesideTheProgramOnlyWhereTheFileMayBeWritten)
{
    struct Case {
        mode_t folderMode, fileMode;  // fileMode 0: no file yet
        bool beside;
    };
    for (const Case& c : {Case{0777, 0, true}, Case{0777, 0666, true}, Case{0777, 0444, false},
                          Case{0555, 0, false}, Case{0555, 0666, false}}) {
        TempDataFolder program, user;
        if (c.fileMode != 0) {
            program.Write("config.bin", "");
            ::chmod((program.Path() / "config.bin").c_str(), c.fileMode);
        }
        ::chmod(program.Path().c_str(), c.folderMode);
        const auto expected = (c.beside ? program.Path() : user.Path()) / "config.bin";
        const std::optional<bool> matched =
            RunUnprivileged([&] { return SettingsFileLocation(program.Path(), user.Path()) == expected; });
        ::chmod(program.Path().c_str(), 0700);
        ASSERT_TRUE(matched.has_value()) << "could not give up root's privileges";
        EXPECT_TRUE(*matched) << std::oct << c.folderMode << " " << c.fileMode;
    }
}

}  // namespace
