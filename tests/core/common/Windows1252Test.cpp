#include <gtest/gtest.h>

#include "common/Windows1252.h"

TEST(Windows1252, ConvertsBothWays)
{
    // The euro sign differs from Latin-1; an unassigned byte passes through as C1.
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "plain"}, {"R\xFCstung", "R\xC3\xBCstung"}, {"\x80", "\xE2\x82\xAC"}, {"\x9F", "\xC5\xB8"},
        {"\xDF", "\xC3\x9F"}, {"\x81", "\xC2\x81"}, {"", ""}};
    for (const auto& [cp1252, utf8] : cases) {
        EXPECT_EQ(Windows1252ToUtf8(cp1252), utf8);
        EXPECT_EQ(Utf8ToWindows1252(utf8), cp1252);
    }
    // Unmappable characters and malformed UTF-8 become question marks: a CJK
    // character, a truncated sequence, an invalid lead byte, a bad continuation.
    for (const auto& [utf8, cp1252] : {std::pair{"\xE4\xB8\xAD", "?"}, {"a\xC3", "a?"}, {"\xFFz", "?z"}, {"\xC3(x", "?(x"}})
        EXPECT_EQ(Utf8ToWindows1252(utf8), cp1252);
}
