#include <gtest/gtest.h>

#include <string>

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

TEST(MarkupTokenizer, SplitsRunsAndTags)
{
    const struct {
        const char* markup;
        const char* tokens;
    } cases[] = {
        {"", "br(1)"},
        {"abc", "T(abc) br(1)"},
        {"a\nb", "T(a) br(1) T(b) br(1)"},
        {"a\r\nb\tc", "T(a) br(1) T(b) t(1) T(c) br(1)"},
        {"  two  spaces > kept ", "T(  two  spaces > kept ) br(1)"},
        {"x<<y", "T(x<y) br(1)"},
        {"<b>B</b>", "b T(B) /b br(1)"},
        {"<B>B</B><I>i</I><U>u</U><S>s</S>", "b T(B) /b i T(i) /i u T(u) /u s T(s) /s br(1)"},
        {"<b/>x", "b T(x) br(1)"},
        {"<br=3>", "br(3) br(1)"},
        {"<br>", "br(1) br(1)"},
        {"<t=2>", "t(2) br(1)"},
        {"<t=0>", "t(0) br(1)"},
        {"<t=-2>", "t(-2) br(1)"},
        {"<t x=5>", "t(5) br(1)"},
        {"<t>", "t(1) br(1)"},
        {"<hr>", "hr(100%) br(1)"},
        {"<hr=50>", "hr(50) br(1)"},
        {"<hr=50%>", "hr(50%) br(1)"},
        {"<hr=50 %>", "hr(50) br(1)"},
        {"<hr=>", "hr(100) br(1)"},
        {"<hr=%>", "hr(100%) br(1)"},
        {"<hr=0x20>", "hr(32) br(1)"},
        {"<hr=010>", "hr(8) br(1)"},
        {"<ct=0xFF>r</ct>", "ct(255) T(r) /ct br(1)"},
        {"<ct>d", "ct T(d) br(1)"},
        {"<cti=11>x</cti>", "cti(11) T(x) /cti br(1)"},
        {"<cb=0x00FF00>x</cb>", "cb(65280) T(x) /cb br(1)"},
        {"<cbi=3>", "cbi(3) br(1)"},
        {"<al><al_l><al_c><al_r></al_c>", "al al al_c al_r /al_c br(1)"},
        {"<img=pic.bmp>x", "img(pic.bmp) T(x) br(1)"},
        {"a<img>b", "T(a) img() T(b) br(1)"},
        {"<ilst=4>", "ilst(4) br(1)"},
        // Unknown tags go with everything up to '>' and do not split the run.
        {"<foo>bar", "T(bar) br(1)"},
        {"a<foo x=1>b", "T(ab) br(1)"},
        {"a<>b</>c", "T(abc) br(1)"},
        {"a<bold>b", "T(ab) br(1)"},
        {"<b x>y", "b T(y) br(1)"},
        // A tag never closed is lost with the rest of the text.
        {"keep<b", "T(keep) br(1)"},
        {"keep<br=2", "T(keep) br(1)"},
        {"keep<hr=50% and more", "T(keep) br(1)"},
        {"keep<foo", "T(keep) br(1)"},
        // Tag states take newlines and tabs as plain characters.
        {"<b\n>x", "T(x) br(1)"},
        {"a>b", "T(a>b) br(1)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Dump(TokenizeMarkup(c.markup)), c.tokens) << "markup: " << c.markup;
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
