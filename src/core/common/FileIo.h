// Whole-file reading and replace-by-rename writing. A save never writes over
// the previous file: the bytes go to a temporary file in the same folder,
// which is flushed to disk and only then renamed over the target, so a failed
// save (missing or read-only folder, full disk) leaves the old file as it was.
#pragma once

#include <string>

struct FileIoResult {
    bool ok = true;
    std::string error;  // the system's reason, in English, when not ok
};

FileIoResult ReadWholeFile(const std::string& path, std::string& bytes);
FileIoResult WriteFileReplacing(const std::string& path, const std::string& bytes);
