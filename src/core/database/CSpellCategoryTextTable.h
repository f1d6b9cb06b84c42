// spellscat_descriptions.dat: the description of each spell category, by key.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "database/CNoCaseNameIndex.h"
#include "database/DbResult.h"
#include "database/GameTypes.h"

struct CSpellCategoryText {
    std::string key;
    std::string title;  // stored; nothing shows it
    std::string text;   // markup
};

class CSpellCategoryTextTable {
public:
    DbResult LoadCategoryTexts(const std::string& folder);

    int Count() const { return static_cast<int>(m_records.size()); }
    int FindByKey(std::string_view key) const { return m_indexByKey.Find(key); }
    const std::string& Key(int index) const { return m_records[index].key; }
    const std::string& Title(int index) const { return m_records[index].title; }
    const std::string& Text(int index) const { return m_records[index].text; }

private:
    std::vector<CSpellCategoryText> m_records;
    CNoCaseNameIndex m_indexByKey;
};
