// Whole-file reading and replace-by-rename writing. A save never writes over
// the previous file: the bytes go to a temporary file in the same folder,
// which is flushed to disk and only then renamed over the target, so a failed
// save (missing or read-only folder, full disk) leaves the old file as it was.
#pragma once

#include <cstddef>
#include <string>

struct FileIoResult {
    bool ok = true;
    std::string error;  // the system's reason, in English, when not ok
};

// The largest file of each kind a reader takes in. Every sound file is far
// smaller (a full career character is a few kilobytes, the largest shipped
// data file about a hundred); the limits keep a device or a stray huge file
// from filling the memory.
namespace file_limits {
constexpr std::size_t kCharacterFile = std::size_t{16} << 20;
constexpr std::size_t kSettingsFile = std::size_t{1} << 20;
constexpr std::size_t kDataFile = std::size_t{256} << 20;
}  // namespace file_limits

// Reads a regular file of at most maxBytes bytes. Anything else (a folder, a
// device, a FIFO) and a larger file are refused with a reason; nothing throws.
FileIoResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes);

// Replaces the file at path by bytes. A symbolic link is followed, so the file
// it names gets the bytes and the link stays; a path naming anything but a
// regular file, or a file with several hard links (which a replacement would
// split), is refused and left alone.
FileIoResult WriteFileReplacing(const std::string& path, const std::string& bytes);
