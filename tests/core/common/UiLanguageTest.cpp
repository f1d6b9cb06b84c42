#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <tuple>

#include "common/UiLanguage.h"

TEST(UiLanguage, CodesInAnyCaseAndNothingElse)
{
    const std::pair<std::string, std::optional<UiLanguage>> cases[] = {
        {"de", UiLanguage::German}, {"DE", UiLanguage::German},  {"eN", UiLanguage::English},
        {"", std::nullopt},         {"d", std::nullopt},         {"deu", std::nullopt},
        {"en_", std::nullopt},      {"fr", std::nullopt},        {"ed", std::nullopt},
    };
    for (const auto& [code, language] : cases)
        EXPECT_EQ(UiLanguageFromCode(code), language) << code;
}

// The first locale variable that is set decides, as in the C library.
TEST(UiLanguage, TheFirstSetLocaleVariableDecides)
{
    const std::tuple<const char*, const char*, const char*, UiLanguage> cases[] = {
        {"de_DE.UTF-8", "en_GB", "en_US", UiLanguage::German},
        {"", "de_AT", "en_US", UiLanguage::German},
        {"en_US", "de_DE", "de_DE", UiLanguage::English},
        {nullptr, nullptr, "de", UiLanguage::German},
        {nullptr, nullptr, "d", UiLanguage::English},
        {nullptr, nullptr, nullptr, UiLanguage::English},
    };
    const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::optional<std::string> saved[3];
    for (int i = 0; i < 3; ++i)
        if (const char* value = std::getenv(names[i]))
            saved[i] = value;
    for (const auto& [all, messages, lang, language] : cases) {
        const std::pair<const char*, const char*> variables[] = {{"LC_ALL", all}, {"LC_MESSAGES", messages}, {"LANG", lang}};
        for (const auto& [name, value] : variables) {
            if (value)
                ::setenv(name, value, 1);
            else
                ::unsetenv(name);
        }
        EXPECT_EQ(UiLanguageFromEnvironment(), language) << (all ? all : "-") << " " << (lang ? lang : "-");
    }
    for (int i = 0; i < 3; ++i) {
        if (saved[i])
            ::setenv(names[i], saved[i]->c_str(), 1);
        else
            ::unsetenv(names[i]);
    }
}
