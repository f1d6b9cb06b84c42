// Name -> first record of that name, names compared as the data files compare
// them (ASCII letters folded). Tables look records up by name once per record
// of every later file, so a scan of the table would make loads quadratic.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "database/GameTypes.h"

class CNoCaseNameIndex {
public:
    void Clear() { m_firstByName.clear(); }
    // A later record of a name already present is not indexed: lookups give
    // the first one, as the files' readers always have.
    void Add(std::string_view name, int record);
    // The first record of the name, or -1.
    int Find(std::string_view name) const;

private:
    std::unordered_map<std::string, int, NoCaseHash, NoCaseEqual> m_firstByName;
};
