#include "common/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

namespace {

FileIoResult Failure(const std::string& what)
{
    return {false, what + ": " + std::strerror(errno)};
}

FileIoResult Refusal(const std::string& what, const std::string& reason)
{
    return {false, what + ": " + reason};
}

std::string SizeText(std::size_t bytes)
{
    return bytes >= (std::size_t{1} << 20) ? std::to_string(bytes >> 20) + " MiB"
                                           : std::to_string(bytes) + " bytes";
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// The path a save replaces: path itself, or, through any symbolic links, the
// file they name (which need not exist yet). nullopt with the refusal in
// failure when the save must not go ahead.
std::optional<std::filesystem::path> SaveTarget(const std::string& path, FileIoResult& failure)
{
    constexpr int kMostLinksFollowed = 40;  // as the system's own resolution
    std::filesystem::path current(path);
    for (int hop = 0; hop <= kMostLinksFollowed; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno == ENOENT)
                return current;
            failure = Failure("cannot replace " + path);
            return std::nullopt;
        }
        if (S_ISREG(info.st_mode)) {
            if (info.st_nlink > 1) {
                failure = Refusal("cannot replace " + path,
                                  "the file has " + std::to_string(info.st_nlink) +
                                      " hard links, and saving would split them; save under another name");
                return std::nullopt;
            }
            return current;
        }
        if (!S_ISLNK(info.st_mode)) {
            failure = Refusal("cannot replace " + path, "not a regular file");
            return std::nullopt;
        }
        std::error_code error;
        const std::filesystem::path linked = std::filesystem::read_symlink(current, error);
        if (error) {
            failure = Refusal("cannot replace " + path, error.message());
            return std::nullopt;
        }
        current = linked.is_absolute() ? linked : current.parent_path() / linked;
    }
    failure = Refusal("cannot replace " + path, std::strerror(ELOOP));
    return std::nullopt;
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

FileIoResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes)
{
    bytes.clear();
    // Non-blocking, so that opening a FIFO nobody writes to returns at once;
    // the check below then refuses it. Reads of a regular file never block.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.Get() < 0)
        return Failure("cannot open " + path);
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0)
        return Failure("cannot read " + path);
    if (!S_ISREG(info.st_mode))
        return Refusal("cannot read " + path, "not a regular file");
    const auto tooLarge = [&] { return Refusal("cannot read " + path, "larger than " + SizeText(maxBytes)); };
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return tooLarge();

    // Sized from the file's length, read to its end all the same in case it
    // grows meanwhile, and one byte past the limit to notice that it did.
    bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (bytes.size() > maxBytes)
                return tooLarge();
            bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
        }
        const ssize_t got = ::read(file.Get(), bytes.data() + used, bytes.size() - used);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            FileIoResult failure = Failure("cannot read " + path);
            bytes.clear();
            return failure;
        }
        if (got == 0)
            break;
        used += static_cast<std::size_t>(got);
    }
    if (used > maxBytes)
        return tooLarge();
    bytes.resize(used);
    return {};
}

FileIoResult WriteFileReplacing(const std::string& path, const std::string& bytes)
{
    FileIoResult refusal;
    const std::optional<std::filesystem::path> target = SaveTarget(path, refusal);
    if (!target)
        return refusal;
    // The temporary name does not grow with the target's, so that any name
    // the folder takes can be saved.
    const std::filesystem::path folder = target->has_parent_path() ? target->parent_path() : ".";
    const std::string pattern = (folder / ".quillmar-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');

    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return Failure("cannot create a file in " + folder.string());
    const std::string temporary(name.data());

    // A replaced file keeps its permissions; a new one gets the usual ones.
    struct stat existing {};
    ::fchmod(fd, ::stat(target->c_str(), &existing) == 0 ? (existing.st_mode & 07777) : NewFileMode());

    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        FileIoResult failure = Failure("cannot write " + path);
        ::close(fd);
        ::unlink(temporary.c_str());
        return failure;
    }
    if (::close(fd) != 0) {
        FileIoResult failure = Failure("cannot write " + path);
        ::unlink(temporary.c_str());
        return failure;
    }
    if (::rename(temporary.c_str(), target->c_str()) != 0) {
        FileIoResult failure = Failure("cannot replace " + path);
        ::unlink(temporary.c_str());
        return failure;
    }
    return {};
}
