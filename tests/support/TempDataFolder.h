// A data folder in a fresh temporary directory, filled with the files a test
// writes; removed with everything in it when the object goes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class TempDataFolder {
public:
    TempDataFolder();
    ~TempDataFolder();
    TempDataFolder(const TempDataFolder&) = delete;
    TempDataFolder& operator=(const TempDataFolder&) = delete;

    // Writes the bytes as the named file (relative to the folder).
    void Write(std::string_view fileName, std::string_view bytes) const;
    void Remove(std::string_view fileName) const;
    // Copies every file of another folder (for example a shipped language folder) in.
    void CopyFrom(const std::filesystem::path& source) const;

    const std::filesystem::path& Path() const { return m_path; }
    std::string PathText() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

// The shipped data root (holds de/ and en/).
std::filesystem::path ShippedDataRoot();
