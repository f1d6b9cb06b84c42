// Result of every data-file loader, with the message shown for it.
#pragma once

#include <string>

#include "common/UiLanguage.h"

enum class DbResult : int {
    Loaded = 0,
    FileMissing = 1,
    UnknownRealm = 2,
    UnexpectedValue = 3,
    UnknownStyle = 4,
    UnknownSpellLine = 5,
    UnknownSpell = 6,
    UnknownSpellCategory = 7,
    UnknownClass = 8,
    UnknownRealmAbility = 9,
    UnknownRace = 10,
    UnknownStyleLine = 11,
};

// The message of a result code in the user-interface language (UTF-8); any
// code outside 1..11 gives the generic error text, 0 the empty text.
std::string DbResultText(int code, UiLanguage language);
