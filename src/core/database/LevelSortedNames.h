// The names and levels of some records of a table that has Count, Name and
// Level (styles of a style line, spells of a spell category), ascending by level.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "database/ExchangeSort.h"
#include "database/GameTypes.h"

template <typename Table>
NamedLevels LevelSortedNames(const Table* table, const std::vector<int>& records)
{
    NamedLevels list;
    if (!table)
        return list;
    for (const int record : records) {
        if (record < 0 || record >= table->Count())
            continue;
        list.names.push_back(table->Name(record));
        list.levels.push_back(table->Level(record));
    }
    // Deliberately this exchange sort and not a stable one: records of equal
    // level must come out in the order it gives, wherever the list is shown.
    ExchangeSort(
        list.levels.size(), [&](std::size_t i, std::size_t j) { return list.levels[i] > list.levels[j]; },
        [&](std::size_t i, std::size_t j) {
            std::swap(list.levels[i], list.levels[j]);
            std::swap(list.names[i], list.names[j]);
        });
    return list;
}
