// The game database loaded from the small world of tests/data/mini, with some of
// its files replaced, and a new character of one of its classes.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "support/TempDataFolder.h"

class MiniDatabase {
public:
    MiniDatabase(std::initializer_list<std::pair<const char*, std::string>> replaced, const char* className)
    {
        std::filesystem::copy(std::filesystem::path(QUILLMAR_TEST_DATA) / "mini",
                              std::filesystem::path(m_root.PathText()) / "xx");
        for (const auto& [file, bytes] : replaced)
            m_root.Write(std::string("xx/") + file, bytes);
        db.Load("xx");
        doc.New();
        doc.SetClass(className);
        doc.ActivateSelection();
    }

private:
    TempDataFolder m_root;

public:
    CGameDatabase db{m_root.PathText()};
    CAppSettings settings;
    CQuillmarDoc doc{db, settings};
};
