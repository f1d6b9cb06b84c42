// The program's own texts (message boxes, menus, labels) in German and English,
// looked up by their string id. UTF-8.
#pragma once

#include <string_view>

#include "common/UiLanguage.h"

namespace ui_text {
// Character files.
constexpr int kFileFromNewerVersion = 138;
constexpr int kFileTooOld = 139;
constexpr int kFileFromOlderVersion = 140;
}  // namespace ui_text

// The text of an id in a language; empty for an unknown id.
std::string_view UiText(int id, UiLanguage language);
