#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "common/FileIo.h"
#include "support/TempDataFolder.h"

namespace {

std::string Contents(const std::filesystem::path& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path.string(), bytes).ok);
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

// Root writes into read-only folders, so as root the save runs in a child
// process that has given up its privileges.
FileIoResult WriteAsUnprivilegedUser(const std::string& path, const std::string& bytes)
{
    if (::geteuid() != 0)
        return WriteFileReplacing(path, bytes);
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(2);
        ::_exit(WriteFileReplacing(path, bytes).ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 2)
        return {false, "the test could not drop its privileges"};
    return {WEXITSTATUS(status) == 0, WEXITSTATUS(status) == 0 ? "" : "refused"};
}

TEST(FileIo, ReadOnlyFolderKeepsTheOldFile)
{
    TempDataFolder folder;
    const auto path = folder.Path() / "hero.chr";
    ASSERT_TRUE(WriteFileReplacing(path.string(), "old").ok);
    ::chmod(path.c_str(), 0644);
    ::chmod(folder.Path().c_str(), 0555);
    const FileIoResult result = WriteAsUnprivilegedUser(path.string(), "new");
    ::chmod(folder.Path().c_str(), 0700);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(FileCount(folder.Path()), 1);
}

// A file-size limit makes the write fail part-way, as a full disk does.
TEST(FileIo, WriteFailurePartWayKeepsTheOldFileAndRemovesTheTemporary)
{
    TempDataFolder folder;
    const auto path = folder.Path() / "hero.chr";
    ASSERT_TRUE(WriteFileReplacing(path.string(), "old").ok);

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileIoResult result = WriteFileReplacing(path.string(), std::string(4096, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

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
    EXPECT_FALSE(ReadWholeFile("/nonexistent/hero.chr", bytes).ok);
}

}  // namespace
