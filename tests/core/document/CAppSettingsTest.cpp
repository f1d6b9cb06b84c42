#include <gtest/gtest.h>

#include <sys/stat.h>

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

const char* const kCannotCreate = "can't create 'config.bin'! Unable to save settings";

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
// starts with the defaults instead of stopping or waiting on it.
TEST(AppSettings, UnreadableFileGivesTheDefaults)
{
    TempDataFolder folder;
    std::filesystem::create_directory(folder.Path() / "folder.bin");
    ASSERT_EQ(::mkfifo((folder.Path() / "pipe.bin").c_str(), 0600), 0);
    for (const std::filesystem::path& file :
         {folder.Path() / "folder.bin", folder.Path() / "pipe.bin", std::filesystem::path("/dev/zero")}) {
        CAppSettings settings = UsedSettings();
        EXPECT_EQ(settings.Load(file), CAppSettings::LoadResult::Missing) << file;
        EXPECT_EQ(PairsOf(settings), kDefaults) << file;
    }
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
    int stored = 0;
    for (const NamedValue& pair : settings.Values())
        stored += pair.key == "LAST_CLASS" ? 1 : 0;
    EXPECT_EQ(stored, 1);
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
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);  // no leftovers
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
