// The game data and every data-language text in the core are Windows-1252 bytes.
// These are the only conversions to and from UTF-8 (the JSON output and the Qt
// surface use them). Latin-1 differs from Windows-1252 in 0x80..0x9F.
#pragma once

#include <string>
#include <string_view>

std::string Windows1252ToUtf8(std::string_view bytes);
// Characters that Windows-1252 cannot hold become '?'; malformed UTF-8 too.
std::string Utf8ToWindows1252(std::string_view utf8);
