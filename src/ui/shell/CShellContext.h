// What every window of the program shares: the one game database, the
// settings, the prompt that shows messages, and the language of the user
// interface (independent of the data language, which is Database().Folder()).
// The application owns all of these; views, pages and dialogs hold a reference.
#pragma once

#include <QString>

#include "common/UiLanguage.h"
#include "shell/UiText.h"

class CGameDatabase;
class CAppSettings;
class CPrompt;

struct CShellContext {
    CGameDatabase& database;
    CAppSettings& settings;
    CPrompt& prompt;
    UiLanguage uiLanguage = UiLanguage::English;

    // The program's text for an id in the user-interface language.
    QString Text(int id) const
    {
        const std::string_view text = UiText(id, uiLanguage);
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
};
