#include "common/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

FileIoResult Failure(const std::string& what)
{
    return {false, what + ": " + std::strerror(errno)};
}

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

}  // namespace

FileIoResult ReadWholeFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Failure("cannot open " + path);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        return Failure("cannot read " + path);
    return {};
}

FileIoResult WriteFileReplacing(const std::string& path, const std::string& bytes)
{
    const std::filesystem::path target(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');

    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return Failure("cannot create a file in " + folder.string());
    const std::string temporary(name.data());

    // A replaced file keeps its permissions; a new one gets the usual ones.
    struct stat existing {};
    const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : (0666 & ~[] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return mask;
    }());
    ::fchmod(fd, mode);

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
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        FileIoResult failure = Failure("cannot replace " + path);
        ::unlink(temporary.c_str());
        return failure;
    }
    return {};
}
