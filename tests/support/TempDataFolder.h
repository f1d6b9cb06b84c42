// A fresh temporary folder for the files a test writes, removed with them at the end.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

class TempDataFolder {
public:
    TempDataFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillmar-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        m_path = pattern;
    }
    ~TempDataFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDataFolder(const TempDataFolder&) = delete;
    TempDataFolder& operator=(const TempDataFolder&) = delete;

    // Writes the bytes as the named file (relative to the folder).
    void Write(std::string_view fileName, std::string_view bytes) const
    {
        const std::filesystem::path target = m_path / fileName;
        std::filesystem::create_directories(target.parent_path());
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write " + target.string());
    }
    void Remove(std::string_view fileName) const { std::filesystem::remove(m_path / fileName); }
    void CopyFrom(const std::filesystem::path& source) const
    {
        std::filesystem::copy(source, m_path,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }

    const std::filesystem::path& Path() const { return m_path; }
    std::string PathText() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

// The shipped data root (holds de/ and en/).
inline std::filesystem::path ShippedDataRoot()
{
    return QUILLMAR_SHIPPED_DATA;
}
