#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "common/FileIo.h"
#include "support/TempDataFolder.h"
#include "support/WriteFailures.h"

namespace {

std::string Contents(const std::filesystem::path& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path.string(), bytes, file_limits::kCharacterFile).ok);
    return bytes;
}

int FileCount(const std::filesystem::path& folder)
{
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

TEST(FileIo, ReplacesTheFileAndLeavesNoTemporaryBehind)
{
    TempDataFolder folder;
    const auto path = folder.Path() / "hero.chr";
    ASSERT_TRUE(WriteFileReplacing(path.string(), std::string("first\0bytes", 11)).ok);
    ASSERT_TRUE(WriteFileReplacing(path.string(), "second").ok);
    EXPECT_EQ(Contents(path), "second");
    EXPECT_EQ(FileCount(folder.Path()), 1);
}

TEST(FileIo, MissingFolderFailsWithAReason)
{
    TempDataFolder folder;
    const FileIoResult result = WriteFileReplacing((folder.Path() / "no" / "hero.chr").string(), "x");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("No such file or directory"), std::string::npos) << result.error;
}

TEST(FileIo, ReadOnlyFolderKeepsTheOldFile)
{
    TempDataFolder folder;
    const auto path = folder.Path() / "hero.chr";
    ASSERT_TRUE(WriteFileReplacing(path.string(), "old").ok);
    ::chmod(path.c_str(), 0644);
    ::chmod(folder.Path().c_str(), 0555);
    const std::optional<bool> written =
        RunUnprivileged([&path] { return WriteFileReplacing(path.string(), "new").ok; });
    ::chmod(folder.Path().c_str(), 0700);
    ASSERT_TRUE(written.has_value()) << "the test could not give up root's privileges";
    EXPECT_FALSE(*written);
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(FileCount(folder.Path()), 1);
}

// A file-size limit makes the write fail part-way, as a full disk does.
TEST(FileIo, WriteFailurePartWayKeepsTheOldFileAndRemovesTheTemporary)
{
    TempDataFolder folder;
    const auto path = folder.Path() / "hero.chr";
    ASSERT_TRUE(WriteFileReplacing(path.string(), "old").ok);

    FileIoResult result;
    {
        const FileSizeLimit limit(64);
        result = WriteFileReplacing(path.string(), std::string(4096, 'n'));
    }

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(FileCount(folder.Path()), 1);
}

TEST(FileIo, ReplacedFileKeepsItsPermissions)
{
    TempDataFolder folder;
    const auto path = folder.Path() / "hero.chr";
    ASSERT_TRUE(WriteFileReplacing(path.string(), "old").ok);
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileReplacing(path.string(), "new").ok);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(FileIo, ReadingAMissingFileFails)
{
    std::string bytes = "kept";
    EXPECT_FALSE(ReadWholeFile("/nonexistent/hero.chr", bytes, file_limits::kCharacterFile).ok);
}

}  // namespace
