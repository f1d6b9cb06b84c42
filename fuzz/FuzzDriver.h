// What every fuzz target shares: a broken invariant ends the run like a crash,
// naming the condition, so that the kept input says which rule it breaks; the
// input as text; a prompt that answers every box with OK (files from newer
// versions are accepted, so they reach more of the reader).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "common/CPrompt.h"

#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

inline std::string_view FuzzInput(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

class CFuzzPrompt : public CPrompt {
public:
    PromptAnswer Show(const PromptMessage&) override { return PromptAnswer::Ok; }
};

// Calls fn(i) for the first entries of a list only: the queries are the same for
// every entry, and a long walk slows the fuzzer down for no new paths.
template <typename List, typename Fn> void ForFirstEntries(const List& list, Fn&& fn)
{
    for (std::size_t i = 0; i < std::min<std::size_t>(list.size(), 24); ++i)
        fn(i);
}
