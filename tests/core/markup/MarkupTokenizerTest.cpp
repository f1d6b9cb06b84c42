#include <gtest/gtest.h>

#include <string>

#include "core/markup/GoldenRows.h"
#include "markup/MarkupTokenizer.h"

namespace {

// Tokens as "T(text)" for runs and tag names with their value, if they carry one.
std::string Dump(const MarkupTokens& tokens)
{
    static const char* const kNames[] = {"T",  "br",  "t",  "b",    "i",    "u",  "s",   "ct",  "cti",
                                         "cb", "cbi", "al", "al_c", "al_r", "hr", "img", "ilst"};
    using K = MarkupTokenKind;
    std::string out;
    for (const MarkupToken& token : tokens.tokens) {
        const K kind = token.kind;
        out += std::string(out.empty() ? "" : " ") + (token.closing ? "/" : "");
        out += kNames[static_cast<int>(kind)];
        const bool flag =
            (kind >= K::Bold && kind <= K::StrikeOut) || (kind >= K::AlignLeft && kind <= K::AlignRight);
        if (kind == K::Text || kind == K::Image)
            out += "(" + std::string(tokens.TextOf(token)) + ")";
        else if (token.hasValue && !flag)
            out += "(" + std::to_string(token.value) + (token.percent ? "%" : "") + ")";
    }
    return out;
}

// Golden rows: markup, then its tokens.
TEST(MarkupTokenizer, SplitsRunsAndTags)
{
    for (const auto& row : GoldenRows("tokens.txt"))
        EXPECT_EQ(Dump(TokenizeMarkup(row.at(0))), row.at(1)) << "markup: " << row[0];
}

TEST(MarkupTokenizer, ReadsNumbersLikeCLiterals)
{
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        // clang-format off
        {"0", 0}, {"17", 17}, {"-3", -3}, {"+4", 4}, {"0x1F", 31}, {"0XfF", 255},
        {"0x", 0}, {"0xg", 0}, {"017", 15}, {"08", 0}, {"12ab", 12}, {"abc", 0},
        {"-", 0}, {"2147483647", 2147483647}, {"2147483648", 2147483647}, {"99999999999999999999999", 2147483647}, {"-99999999999999999999999", -2147483647 - 1}, {"0xFFFFFFFF", 2147483647},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseMarkupNumber(c.text), c.value) << "text: " << c.text;
}

}  // namespace
