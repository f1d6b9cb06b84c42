// Splits a markup text into text runs and tag tokens for the rich renderer.
// Tags are matched without regard to case; a tag not in the table is dropped
// together with everything up to its '>'; "<<" is a literal '<'; the end of the
// text always acts as one line break.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class MarkupTokenKind : std::uint8_t {
    Text,
    LineBreak,  // value: count
    Tab,        // value: count
    Bold,
    Italic,
    Underline,
    StrikeOut,
    TextColor,       // value: colour, if hasValue
    TextColorIndex,  // value: index, if hasValue
    BackColor,       // value: colour, if hasValue
    BackColorIndex,  // value: index, if hasValue
    AlignLeft,
    AlignCenter,
    AlignRight,
    Rule,            // value: width; percent tells pixels from percent
    Image,           // text: image name
    ImageListIndex,  // value: index
};

struct MarkupToken {
    MarkupTokenKind kind = MarkupTokenKind::Text;
    bool closing = false;
    bool hasValue = false;
    bool percent = false;
    std::int32_t value = 0;
    // Text and Image: a range of CMarkupTokens::text.
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
};

struct MarkupTokens {
    std::string text;  // every text run and image name, back to back
    std::vector<MarkupToken> tokens;

    std::string_view TextOf(const MarkupToken& token) const
    {
        return std::string_view(text).substr(token.offset, token.length);
    }
};

MarkupTokens TokenizeMarkup(std::string_view markup);

// A tag parameter read like a C integer literal: decimal, 0x hexadecimal or
// leading-0 octal, an optional sign, stopping at the first character that does
// not fit. No digits give 0; values beyond 32 bits saturate.
std::int32_t ParseMarkupNumber(std::string_view text);
