#include <gtest/gtest.h>

#include "common/Windows1252.h"

TEST(Windows1252, ConvertsBothWays)
{
    const struct {
        std::string cp1252;
        std::string utf8;
    } cases[] = {
        {"plain", "plain"},
        {"R\xFCstung", "R\xC3\xBCstung"},
        {"\x80", "\xE2\x82\xAC"},        // euro sign: differs from Latin-1
        {"\x9F", "\xC5\xB8"},            // Y with diaeresis
        {"\xDF", "\xC3\x9F"},            // sharp s
        {"\x81", "\xC2\x81"},            // unassigned byte passes through as C1
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Windows1252ToUtf8(c.cp1252), c.utf8);
        EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.cp1252);
    }
}

TEST(Windows1252, UnmappableAndMalformedUtf8BecomeQuestionMarks)
{
    EXPECT_EQ(Utf8ToWindows1252("\xE4\xB8\xAD"), "?");     // a CJK character
    EXPECT_EQ(Utf8ToWindows1252("a\xC3"), "a?");             // truncated sequence
    EXPECT_EQ(Utf8ToWindows1252("\xFFz"), "?z");             // invalid lead byte
    EXPECT_EQ(Utf8ToWindows1252("\xC3(x"), "?(x");           // bad continuation
}
