// What reading and saving do when the path names something other than one
// plain file: folders, devices, FIFOs, links, files at the size limit.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "common/FileIo.h"
#include "database/CCsvReader.h"
#include "support/TempDataFolder.h"

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path.string(), bytes, file_limits::kCharacterFile).ok) << path;
    return bytes;
}

class SpecialFiles : public ::testing::Test {
protected:
    fs::path At(const std::string& name) const { return m_folder.Path() / name; }
    fs::path Fifo() const
    {
        const fs::path fifo = At("pipe");
        if (!fs::exists(fifo))
            EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        return fifo;
    }

    TempDataFolder m_folder;
};

// Nothing but a regular file within the limit is read, and no case blocks:
// a FIFO with no writer and an endless device are refused at once.
TEST_F(SpecialFiles, OnlyRegularFilesWithinTheLimitAreRead)
{
    m_folder.Write("at-limit", std::string(100, 'x'));
    m_folder.Write("one-over", std::string(101, 'x'));
    m_folder.Write("empty", "");
    struct Case {
        fs::path path;
        std::size_t limit;
        const char* reason;  // nullptr: read
    };
    for (const Case& c :
         {Case{At("at-limit"), 100, nullptr}, Case{At("empty"), 0, nullptr},
          Case{At("one-over"), 100, "larger than 100 bytes"}, Case{At("one-over"), 0, "larger than 0 bytes"},
          Case{m_folder.Path(), 100, "not a regular file"}, Case{Fifo(), 100, "not a regular file"},
          Case{"/dev/zero", file_limits::kDataFile, "not a regular file"},
          Case{"/dev/urandom", file_limits::kSettingsFile, "not a regular file"}}) {
        std::string bytes = "old";
        const FileIoResult result = ReadWholeFile(c.path.string(), bytes, c.limit);
        EXPECT_EQ(result.ok, c.reason == nullptr) << c.path;
        if (c.reason) {
            EXPECT_EQ(result.error, "cannot read " + c.path.string() + ": " + c.reason);
            EXPECT_EQ(bytes, "");
        } else {
            EXPECT_EQ(bytes.size(), fs::file_size(c.path));
        }
    }
}

// The data files go through the same read: a device linked in as a data
// file, a FIFO or a folder is refused at once instead of read for ever.
TEST_F(SpecialFiles, DataFilesAreOnlyReadFromRegularFiles)
{
    fs::create_symlink("/dev/zero", At("races.csv"));
    fs::create_directory(At("spells.csv"));
    for (const fs::path& path : {At("races.csv"), At("spells.csv"), Fifo()}) {
        CCsvReader reader;
        EXPECT_FALSE(reader.Open(path.string())) << path;
        EXPECT_TRUE(reader.AtEndOfContents());
    }
}

// A save through a symbolic link writes the file the link names and keeps
// the link, however many links lead there and whether the file exists yet.
TEST_F(SpecialFiles, SavingThroughSymbolicLinksKeepsThem)
{
    fs::create_directory(At("real"));
    m_folder.Write("real/hero.chr", "old");
    fs::create_symlink("real/hero.chr", At("relative"));
    fs::create_symlink(At("relative"), At("chained"));
    fs::create_symlink(At("real/new.chr"), At("dangling"));
    for (const char* link : {"relative", "chained", "dangling"}) {
        ASSERT_TRUE(WriteFileReplacing(At(link).string(), link).ok) << link;
        EXPECT_TRUE(fs::is_symlink(At(link))) << link;
        EXPECT_EQ(Read(At(link)), link);
    }
    EXPECT_EQ(Read(At("real/hero.chr")), "chained");
    EXPECT_EQ(Read(At("real/new.chr")), "dangling");
    EXPECT_EQ(std::distance(fs::directory_iterator(At("real")), {}), 2);  // no temporary left

    fs::create_symlink("loop-b", At("loop-a"));
    fs::create_symlink("loop-a", At("loop-b"));
    EXPECT_FALSE(WriteFileReplacing(At("loop-a").string(), "x").ok);
    EXPECT_TRUE(fs::is_symlink(At("loop-a")));
}

// What a replacement would destroy or split is refused and left as it was.
TEST_F(SpecialFiles, SavingRefusesWhatItWouldDamage)
{
    m_folder.Write("hero.chr", "old");
    fs::create_hard_link(At("hero.chr"), At("twin.chr"));
    fs::create_directory(At("folder.chr"));
    struct Case {
        fs::path path;
        std::string reason;
    };
    for (const Case& c :
         {Case{At("hero.chr"),
               "the file has 2 hard links, and saving would split them; save under another name"},
          Case{Fifo(), "not a regular file"}, Case{At("folder.chr"), "not a regular file"}}) {
        const FileIoResult result = WriteFileReplacing(c.path.string(), "new");
        EXPECT_FALSE(result.ok) << c.path;
        EXPECT_EQ(result.error, "cannot replace " + c.path.string() + ": " + c.reason);
    }
    EXPECT_EQ(Read(At("twin.chr")), "old");
    EXPECT_EQ(fs::hard_link_count(At("hero.chr")), 2u);
    EXPECT_EQ(fs::status(Fifo()).type(), fs::file_type::fifo);
    EXPECT_TRUE(fs::is_directory(At("folder.chr")));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder.Path()), {}), 4);
}

// The temporary name is as long whatever the target's, so the longest name
// the folder takes can be saved.
TEST_F(SpecialFiles, TheLongestFileNameCanBeSaved)
{
    const long longest = ::pathconf(m_folder.Path().c_str(), _PC_NAME_MAX);
    ASSERT_GT(longest, 16);
    const fs::path path = At(std::string(static_cast<std::size_t>(longest) - 4, 'n') + ".chr");
    for (const char* bytes : {"first", "second"}) {
        ASSERT_TRUE(WriteFileReplacing(path.string(), bytes).ok);
        EXPECT_EQ(Read(path), bytes);
    }
}

}  // namespace
