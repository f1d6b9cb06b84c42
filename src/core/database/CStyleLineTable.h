// stylelines.dat: style lines, one per weapon or combat skill.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "database/CNoCaseNameIndex.h"
#include "database/DbResult.h"
#include "database/GameTypes.h"

class CStyleTable;

struct CStyleLineInfo {
    std::int32_t id = 0;
    std::string name;
    std::vector<int> styles;  // style indices, file order
};

class CStyleLineTable {
public:
    DbResult LoadStyleLines(const std::string& folder, const CStyleTable& styles);

    int Count() const { return static_cast<int>(m_records.size()); }
    const CStyleLineInfo& Info(int index) const { return m_records[index]; }
    int FindById(std::int32_t id) const;
    int FindByName(std::string_view name) const { return m_indexByName.Find(name); }
    std::int32_t Id(int index) const { return m_records[index].id; }
    const std::string& Name(int index) const { return m_records[index].name; }
    const std::vector<int>& Styles(int index) const { return m_records[index].styles; }
    int FindStyle(int index, std::string_view name) const;
    // Style names and levels, ascending by level.
    NamedLevels StyleList(int index) const;

private:
    std::vector<CStyleLineInfo> m_records;
    const CStyleTable* m_styles = nullptr;
    std::unordered_map<std::int32_t, int> m_indexById;  // first record of each id
    CNoCaseNameIndex m_indexByName;
};
