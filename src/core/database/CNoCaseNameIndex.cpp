#include "database/CNoCaseNameIndex.h"

void CNoCaseNameIndex::Add(std::string_view name, int record)
{
    m_firstByName.try_emplace(std::string(name), record);
}

int CNoCaseNameIndex::Find(std::string_view name) const
{
    const auto found = m_firstByName.find(name);
    return found == m_firstByName.end() ? -1 : found->second;
}
