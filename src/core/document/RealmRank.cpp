#include "document/RealmRank.h"

#include <array>
#include <cstdio>

#include "database/CGameDatabase.h"
#include "document/GameContent.h"

namespace realm_rank {
namespace {

// Up to R10L10 the points grow with the sum of squares; the ranks above
// follow their own figures.
constexpr std::array<std::int32_t, kMaxCode + 1> MakePointsTable()
{
    std::array<std::int32_t, kMaxCode + 1> table{};
    table[1] = 1;
    std::int64_t squares = 1;
    for (int n = 2; n <= 100; ++n) {
        table[static_cast<std::size_t>(n)] = static_cast<std::int32_t>(25 * squares);
        squares += static_cast<std::int64_t>(n) * n;
    }
    constexpr std::array<std::int32_t, 10> kAbove100 = {9111713,  10114001, 11226541, 12461460, 13832221,
                                                        15353765, 17042680, 18917374, 20998286, 23308097};
    for (std::size_t i = 0; i < kAbove100.size(); ++i)
        table[101 + i] = kAbove100[i];
    return table;
}

constexpr std::array<std::int32_t, kMaxCode + 1> kPoints = MakePointsTable();
static_assert(kPoints[2] == 25 && kPoints[5] == 750 && kPoints[100] == 8208750);

bool IsCode(int code)
{
    return code >= 0 && code <= kMaxCode;
}

}  // namespace

std::string CodeText(int code)
{
    if (!IsCode(code))
        return {};
    if (code == 100)
        return "R10L10";
    char text[16];
    std::snprintf(text, sizeof text, "R%iL%i", code / 10 + 1, code % 10);
    return text;
}

std::optional<std::int32_t> PointsOf(int code)
{
    if (!IsCode(code))
        return std::nullopt;
    return kPoints[static_cast<std::size_t>(code)];
}

std::string DottedNumber(std::int64_t value)
{
    const bool negative = value < 0;
    // Digits of the magnitude, built from the right; unsigned so that the
    // lowest 64-bit value has a magnitude too.
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string reversed;
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0)
            reversed.push_back('.');
        reversed.push_back(static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
        ++digits;
    } while (magnitude > 0);
    if (negative)
        reversed.push_back('-');
    return {reversed.rbegin(), reversed.rend()};
}

std::string PointsText(int code, bool minusOne)
{
    const std::optional<std::int32_t> points = PointsOf(code);
    if (!points)
        return {};
    return DottedNumber(static_cast<std::int64_t>(*points) - (minusOne ? 1 : 0));
}

std::string_view Title(int code, RealmIndex realm, bool german)
{
    if (!IsCode(code) || realm < 0 || realm >= kRealmCount)
        return {};
    const auto& titles = german ? game_content::kRealmRankTitlesGerman : game_content::kRealmRankTitlesEnglish;
    const std::size_t index = static_cast<std::size_t>(realm + kRealmCount * (code / 10));
    return index < titles.size() ? titles[index] : std::string_view();
}

std::string_view Title(int code, RealmIndex realm, const CGameDatabase& database)
{
    return Title(code, realm, database.Folder() == "de");
}

}  // namespace realm_rank
