#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "document/CNamedValueList.h"

namespace {

// Lookups are exact and case-sensitive; setting keeps a pair's place, and
// SetOrRemove with 0 removes it without touching the order of the rest.
TEST(NamedValueList, SetSetOrRemoveAndGet)
{
    struct Case {
        const char* key;
        std::int32_t value;
        bool orRemove;
        std::vector<NamedValue> expected;
    };
    const Case cases[] = {
        {"b", 0, true, {{"a", 1}, {"c", 3}}},
        {"a", 0, true, {{"b", 2}, {"c", 3}}},
        {"c", 0, true, {{"a", 1}, {"b", 2}}},
        {"x", 0, true, {{"a", 1}, {"b", 2}, {"c", 3}}},
        {"B", 5, false, {{"a", 1}, {"b", 2}, {"c", 3}, {"B", 5}}},
        {"", 4, false, {{"a", 1}, {"b", 2}, {"c", 3}, {"", 4}}},
    };
    for (const Case& c : cases) {
        CNamedValueList list{{"a", 1}, {"b", 2}, {"c", 3}};
        c.orRemove ? list.SetOrRemove(c.key, c.value) : list.Set(c.key, c.value);
        EXPECT_EQ(std::vector<NamedValue>(list.begin(), list.end()), c.expected) << c.key << " " << c.value;
        EXPECT_EQ(list.Get(c.key), c.orRemove && c.value == 0 ? 0 : c.value) << c.key;
        EXPECT_EQ(list.Contains(c.key), !(c.orRemove && c.value == 0)) << c.key;
    }
}

}  // namespace
