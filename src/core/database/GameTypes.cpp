#include "database/GameTypes.h"

namespace {

constexpr const char* kRealmCodes[kRealmCount] = {"cal", "gle", "nor"};
constexpr const char* kRealmNames[kRealmCount] = {"Caldor", "Glenmora", "Nordhal"};
constexpr const char* kStatCodes[kStatCount] = {"str", "con", "dex", "qui", "int", "pie", "emp", "cha"};

char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Index of the first code whose three letters start the text, or -1.
template <std::size_t N>
int MatchThreeLetterCode(std::string_view text, const char* const (&codes)[N])
{
    if (text.size() < 3)
        return -1;
    for (std::size_t i = 0; i < N; ++i) {
        if (EqualsNoCase(text.substr(0, 3), codes[i]))
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

std::size_t NoCaseHash::operator()(std::string_view text) const
{
    // FNV-1a over the folded bytes.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(FoldAscii(c));
        hash *= 1099511628211ull;
    }
    return static_cast<std::size_t>(hash);
}

RealmIndex RealmFromCode(std::string_view code)
{
    return MatchThreeLetterCode(code, kRealmCodes);
}

std::string RealmName(RealmIndex realm)
{
    if (realm < 0 || realm >= kRealmCount)
        return {};
    return kRealmNames[realm];
}

std::vector<std::string> RealmNames()
{
    return {kRealmNames[0], kRealmNames[1], kRealmNames[2]};
}

StatId StatFromName(std::string_view name)
{
    return MatchThreeLetterCode(name, kStatCodes);
}

std::string DataFilePath(const std::string& folder, std::string_view fileName)
{
    std::string path = folder;
    if (!path.empty() && path.back() != '/')
        path.push_back('/');
    path.append(fileName);
    return path;
}
