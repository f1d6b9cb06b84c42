#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "common/FileIo.h"
#include "support/TempDataFolder.h"
#include "support/WriteFailures.h"

namespace {

// A folder holding hero.chr with the given bytes and mode.
struct HeroFolder {
    explicit HeroFolder(const std::string& bytes, mode_t mode = 0644)
    {
        EXPECT_TRUE(WriteFileReplacing(path.string(), bytes).ok);
        ::chmod(path.c_str(), mode);
    }
    // The file's bytes; the replacement never leaves a temporary file behind.
    std::string Contents() const
    {
        int files = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path()))
            ++files;
        EXPECT_EQ(files, 1);
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(path.string(), bytes, file_limits::kCharacterFile).ok);
        return bytes;
    }
    TempDataFolder folder;
    std::filesystem::path path = folder.Path() / "hero.chr";
};

TEST(FileIo, ReplacesTheFileKeepingItsPermissions)
{
    HeroFolder hero(std::string("first\0bytes", 11), 0640);
    ASSERT_TRUE(WriteFileReplacing(hero.path.string(), "second").ok);
    EXPECT_EQ(hero.Contents(), "second");
    struct stat info {};
    ASSERT_EQ(::stat(hero.path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(FileIo, FailedWritesKeepTheOldFile)
{
    // A missing folder fails with the system's reason.
    HeroFolder hero("old");
    const FileIoResult missing = WriteFileReplacing((hero.folder.Path() / "no" / "hero.chr").string(), "x");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("No such file or directory"), std::string::npos) << missing.error;
    std::string bytes = "kept";
    EXPECT_FALSE(ReadWholeFile("/nonexistent/hero.chr", bytes, file_limits::kCharacterFile).ok);

    // A file-size limit makes the write fail part-way, as a full disk does.
    FileIoResult partWay;
    {
        const FileSizeLimit limit(64);
        partWay = WriteFileReplacing(hero.path.string(), std::string(4096, 'n'));
    }
    EXPECT_FALSE(partWay.ok);
    EXPECT_EQ(hero.Contents(), "old");

    ::chmod(hero.folder.Path().c_str(), 0555);
    const std::optional<bool> written =
        RunUnprivileged([&hero] { return WriteFileReplacing(hero.path.string(), "new").ok; });
    ::chmod(hero.folder.Path().c_str(), 0700);
    ASSERT_TRUE(written.has_value()) << "the test could not give up root's privileges";
    EXPECT_FALSE(*written);
    EXPECT_EQ(hero.Contents(), "old");
}

}  // namespace
