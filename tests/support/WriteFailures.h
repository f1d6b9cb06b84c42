// Ways to make a write fail for real: as a user who may not write a folder
// (root writes anywhere, so root drops to "nobody" in a child process), and
// with a file-size limit that stops a write part-way as a full disk does.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <functional>
#include <optional>

// Runs the action in a child process without root's privileges when the test
// runs as root, else in this process. Nothing when the privileges could not
// be given up. The action's effects on memory stay in the child.
std::optional<bool> RunUnprivileged(const std::function<bool()>& action);

// While alive, files of this process cannot grow beyond the given size.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_previousHandler)(int) = nullptr;
};
