// Language of the user interface (menus, message boxes). Independent of the
// data language, which is the name of the data folder ("de" or "en").
#pragma once

#include <optional>
#include <string_view>

enum class UiLanguage { German, English };

// "de" or "en" (any letter case); anything else gives nothing.
std::optional<UiLanguage> UiLanguageFromCode(std::string_view code);

// German when the locale variables (LC_ALL, LC_MESSAGES, LANG, in the order
// the C library honours them) name a German locale, else English.
UiLanguage UiLanguageFromEnvironment();
