// The shipped data of one language and a character on it, loaded once for the
// whole fuzzing run (through TheWorld) and reused by every input.
#pragma once

#include <memory>

#include "FuzzDriver.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"

struct ShippedWorld {
    explicit ShippedWorld(const char* language)
    {
        database.SetPrompt(&prompt, UiLanguage::English);
        database.Load(language);
        FUZZ_CHECK(database.IsLoaded());
    }

    CFuzzPrompt prompt;
    CGameDatabase database{QUILLMAR_SHIPPED_DATA};
    CAppSettings settings;
    CQuillmarDoc doc{database, settings};
};
