// The list order every game-data list is shown in: for each pair of rows i < j,
// the rows swap when i belongs after j. Unlike a stable sort this gives rows that
// tie a fixed order of its own, which lists, pages and the printed sheet share.
#pragma once

#include <cstddef>

template <typename BelongsAfter, typename SwapRows>
void ExchangeSort(std::size_t count, BelongsAfter belongsAfter, SwapRows swapRows)
{
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t j = i + 1; j < count; ++j) {
            if (belongsAfter(i, j))
                swapRows(i, j);
        }
    }
}
