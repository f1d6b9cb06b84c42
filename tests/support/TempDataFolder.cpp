#include "support/TempDataFolder.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

TempDataFolder::TempDataFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "quillmar-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
}

TempDataFolder::~TempDataFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void TempDataFolder::Write(std::string_view fileName, std::string_view bytes) const
{
    const std::filesystem::path target = m_path / fileName;
    std::filesystem::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + target.string());
}

void TempDataFolder::Remove(std::string_view fileName) const
{
    std::filesystem::remove(m_path / fileName);
}

void TempDataFolder::CopyFrom(const std::filesystem::path& source) const
{
    std::filesystem::copy(source, m_path,
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
}

std::filesystem::path ShippedDataRoot()
{
    return QUILLMAR_SHIPPED_DATA;
}
