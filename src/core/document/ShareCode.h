// Share codes: a character as one line of text that players paste into a
// chat. The code is the character file's bytes (current layout), compressed
// with zlib, followed by the CRC-32 of the compressed bytes, written in
// URL-safe base64 without padding behind the prefix "QM1:" (the 1 is the code
// format's version). Decoding refuses every code that another program, a typo
// or a cut-off paste could give; a single changed character is always caught.
#pragma once

#include <string>
#include <string_view>

#include "common/UiLanguage.h"

namespace share_code {

inline constexpr std::string_view kPrefix = "QM1:";

enum class DecodeError {
    None,
    NotACode,   // no "QM1:" in front: from another program, or not a code at all
    Damaged,    // not base64, cut off, or the check sum does not match
    TooLarge,   // unpacks to more than a character file may hold
};

struct Decoded {
    DecodeError error = DecodeError::None;
    std::string bytes;  // the character file's bytes
    bool Ok() const { return error == DecodeError::None; }
};

std::string Encode(std::string_view characterFileBytes);
// Blanks and line breaks around the code are ignored.
Decoded Decode(std::string_view code);

std::string_view ErrorText(DecodeError error, UiLanguage language);

}  // namespace share_code
