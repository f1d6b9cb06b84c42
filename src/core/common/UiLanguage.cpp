#include "common/UiLanguage.h"

#include <cstdlib>

std::optional<UiLanguage> UiLanguageFromCode(std::string_view code)
{
    if (code.size() != 2)
        return std::nullopt;
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    const char a = lower(code[0]);
    const char b = lower(code[1]);
    if (a == 'd' && b == 'e')
        return UiLanguage::German;
    if (a == 'e' && b == 'n')
        return UiLanguage::English;
    return std::nullopt;
}

UiLanguage UiLanguageFromEnvironment()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) {
            const std::string_view locale(value);
            return (locale.size() >= 2 && UiLanguageFromCode(locale.substr(0, 2)) == UiLanguage::German)
                       ? UiLanguage::German
                       : UiLanguage::English;
        }
    }
    return UiLanguage::English;
}
