#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "document/CAppSettings.h"
#include "document/CByteReader.h"
#include "document/CNamedValueList.h"

namespace {

// The stored layout of one pair, built byte by byte: value, key length, key.
std::string PairBytes(std::int32_t value, const std::string& key)
{
    std::string bytes;
    const auto put32 = [&bytes](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    put32(static_cast<std::uint32_t>(value));
    put32(static_cast<std::uint32_t>(key.size()));
    bytes += key;
    return bytes;
}

std::string ListBytes(const std::vector<NamedValue>& pairs)
{
    std::string bytes(1, static_cast<char>(pairs.size()));
    for (const NamedValue& pair : pairs)
        bytes += PairBytes(pair.value, pair.key);
    return bytes;
}

std::vector<NamedValue> PairsOf(const CNamedValueList& list)
{
    return {list.begin(), list.end()};
}

std::string Written(const CNamedValueList& list)
{
    CByteWriter out;
    EXPECT_TRUE(list.WriteTo(out));
    return out.Bytes();
}

// Operations -----------------------------------------------------------------------

TEST(NamedValueList, GetFindsTheFirstEqualKeyCaseSensitivelyAndZeroWhenAbsent)
{
    // Only a stored list can hold a key twice; Get must take the first.
    const std::string bytes = ListBytes({{"Sword", 7}, {"sword", 3}, {"Sword", 9}, {"", 4}});
    CByteReader reader(bytes);
    CNamedValueList list;
    ASSERT_TRUE(list.ReadFrom(reader));

    struct Case {
        const char* key;
        std::int32_t value;
        bool contained;
    };
    for (const Case& c : {Case{"Sword", 7, true}, Case{"sword", 3, true}, Case{"SWORD", 0, false},
                          Case{"Swor", 0, false}, Case{"Sword ", 0, false}, Case{"", 4, true}}) {
        EXPECT_EQ(list.Get(c.key), c.value) << c.key;
        EXPECT_EQ(list.Contains(c.key), c.contained) << c.key;
    }
}

TEST(NamedValueList, SetOverwritesInPlaceOrAppends)
{
    CNamedValueList list;
    list.Set("a", 1);
    list.Set("b", 2);
    list.Set("c", 3);
    list.Set("a", -10);  // keeps its place
    list.Set("d", 0);    // Set stores a 0
    EXPECT_EQ(PairsOf(list), (std::vector<NamedValue>{{"a", -10}, {"b", 2}, {"c", 3}, {"d", 0}}));
    EXPECT_TRUE(list.Contains("d"));
}

TEST(NamedValueList, SetOrRemoveWithZeroRemovesKeepingTheOrderOfTheRest)
{
    struct Case {
        const char* key;
        std::int32_t value;
        std::vector<NamedValue> expected;
    };
    const std::vector<Case> cases = {
        {"b", 0, {{"a", 1}, {"c", 3}, {"d", 4}}},
        {"a", 0, {{"b", 2}, {"c", 3}, {"d", 4}}},
        {"d", 0, {{"a", 1}, {"b", 2}, {"c", 3}}},
        {"x", 0, {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}}},  // absent: nothing appended
        {"c", 30, {{"a", 1}, {"b", 2}, {"c", 30}, {"d", 4}}},
        {"e", -5, {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}, {"e", -5}}},
    };
    for (const Case& c : cases) {
        CNamedValueList list{{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}};
        list.SetOrRemove(c.key, c.value);
        EXPECT_EQ(PairsOf(list), c.expected) << c.key << " " << c.value;
    }
}

TEST(NamedValueList, AssignCopiesAllPairsAndStaysIndependent)
{
    CNamedValueList source{{"x", 1}, {"y", 2}};
    CNamedValueList target{{"old", 9}, {"x", 5}, {"z", 3}};
    target.Assign(source);
    EXPECT_EQ(PairsOf(target), (std::vector<NamedValue>{{"x", 1}, {"y", 2}}));
    source.Set("x", 100);
    source.Set("w", 4);
    EXPECT_EQ(target.Get("x"), 1);
    EXPECT_FALSE(target.Contains("w"));
}

TEST(NamedValueList, CountAndAtFollowInsertionOrder)
{
    CNamedValueList list;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(list.IsEmpty());
    for (const char* key : {"zeta", "alpha", "mid"})
        list.Set(key, static_cast<std::int32_t>(std::string(key).size()));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.At(0), (NamedValue{"zeta", 4}));
    EXPECT_EQ(list.At(1), (NamedValue{"alpha", 5}));
    EXPECT_EQ(list.At(2), (NamedValue{"mid", 3}));
    list.Remove("zeta");
    EXPECT_EQ(list.At(0).key, "alpha");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

// Byte layout ----------------------------------------------------------------------

TEST(NamedValueListBytes, DefaultSettingsStartWithTheDelayPair)
{
    const std::string bytes = Written(CAppSettings().Values());
    const std::string head = std::string("\x07\xF4\x01\x00\x00\x0D\x00\x00\x00", 9) + "TOOLTIP_DELAY";
    ASSERT_GE(bytes.size(), head.size());
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    // Nothing after the last pair.
    EXPECT_EQ(bytes, ListBytes({{"TOOLTIP_DELAY", 500},
                                {"UI_TOOLTIPS", 1},
                                {"SAVE_MODIFIED", 1},
                                {"SHOW_EXPERIMENTAL", 0},
                                {"SHOW_OLD_RAS", 0},
                                {"DONT_SAVE_SELECTION", 0},
                                {"DEFAULT_DB", 0}}));
}

TEST(NamedValueListBytes, ValuesAreLittleEndianSignedAndKeysAreRawBytes)
{
    struct Case {
        std::vector<NamedValue> pairs;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {{}, std::string("\x00", 1)},
        {{{"A", -1}}, std::string("\x01\xFF\xFF\xFF\xFF\x01\x00\x00\x00" "A", 10)},
        {{{"", 0x12345678}}, std::string("\x01\x78\x56\x34\x12\x00\x00\x00\x00", 9)},
        {{{std::string("\0\xFC", 2), INT32_MIN}}, std::string("\x01\x00\x00\x00\x80\x02\x00\x00\x00\x00\xFC", 11)},
    };
    for (const Case& c : cases) {
        CNamedValueList list;
        for (const NamedValue& pair : c.pairs)
            list.Set(pair.key, pair.value);
        EXPECT_EQ(Written(list), c.bytes);

        CByteReader reader(c.bytes);
        CNamedValueList back{{"stale", 1}};
        EXPECT_TRUE(back.ReadFrom(reader));
        EXPECT_TRUE(reader.AtEnd());
        EXPECT_EQ(PairsOf(back), c.pairs);
    }
}

TEST(NamedValueListBytes, WriteAppendsAndTwoListsReadBackInSequence)
{
    const CNamedValueList first{{"one", 1}, {"two", 2}};
    const CNamedValueList second{{"three", 3}};
    CByteWriter out;
    out.WriteU8(0xAB);
    ASSERT_TRUE(first.WriteTo(out));
    ASSERT_TRUE(second.WriteTo(out));

    CByteReader reader(out.Bytes());
    std::uint8_t marker = 0;
    ASSERT_TRUE(reader.ReadU8(marker));
    EXPECT_EQ(marker, 0xAB);
    CNamedValueList a;
    CNamedValueList b;
    ASSERT_TRUE(a.ReadFrom(reader));
    ASSERT_TRUE(b.ReadFrom(reader));
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(a, first);
    EXPECT_EQ(b, second);
}

TEST(NamedValueListBytes, TwoHundredFiftyFivePairsAreWrittenTwoHundredFiftySixAreRefused)
{
    CNamedValueList list;
    for (int i = 0; i < 255; ++i)
        list.Set("k" + std::to_string(i), i);
    CByteWriter out;
    ASSERT_TRUE(list.WriteTo(out));
    EXPECT_EQ(static_cast<std::uint8_t>(out.Bytes()[0]), 255);
    CByteReader reader(out.Bytes());
    CNamedValueList back;
    ASSERT_TRUE(back.ReadFrom(reader));
    EXPECT_EQ(back, list);

    list.Set("k255", 255);
    CByteWriter refused;
    refused.WriteBytes("before");
    EXPECT_FALSE(list.WriteTo(refused));
    // A refused list writes nothing, not even its count.
    EXPECT_EQ(refused.Bytes(), "before");
}

// Every cut of a stored list keeps exactly the pairs that end before the cut.
TEST(NamedValueListBytes, TruncatedDataKeepsOnlyTheCompletePairs)
{
    const std::vector<NamedValue> pairs = {{"first", 11}, {"", -2}, {"third key", 333}};
    const std::string bytes = ListBytes(pairs);
    std::vector<std::size_t> ends;  // offset just after each pair
    std::size_t offset = 1;
    for (const NamedValue& pair : pairs) {
        offset += 8 + pair.key.size();
        ends.push_back(offset);
    }
    ASSERT_EQ(ends.back(), bytes.size());

    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        CByteReader reader(std::string_view(bytes).substr(0, cut));
        CNamedValueList list{{"stale", 5}};
        EXPECT_FALSE(list.ReadFrom(reader)) << "cut at " << cut;
        std::vector<NamedValue> expected;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            if (ends[i] <= cut)
                expected.push_back(pairs[i]);
        }
        EXPECT_EQ(PairsOf(list), expected) << "cut at " << cut;
    }
}

TEST(NamedValueListBytes, CountBeyondTheDataKeepsThePairsThatAreThere)
{
    std::string bytes = ListBytes({{"a", 1}, {"b", 2}});
    bytes[0] = static_cast<char>(200);
    CByteReader reader(bytes);
    CNamedValueList list;
    EXPECT_FALSE(list.ReadFrom(reader));
    EXPECT_EQ(PairsOf(list), (std::vector<NamedValue>{{"a", 1}, {"b", 2}}));
}

// A damaged key length near 4 GiB must fail instead of trying to allocate or
// read that much (an allocation that size would abort under the sanitizers).
TEST(NamedValueListBytes, HugeKeyLengthFailsWithoutAllocating)
{
    for (const std::uint32_t length : {0xFFFFFFFFu, 0x7FFFFFFFu, 0x10000000u, 21u}) {
        std::string bytes = ListBytes({{"kept", 42}});
        bytes[0] = 2;
        bytes += std::string("\x01\x00\x00\x00", 4);
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<char>((length >> (8 * i)) & 0xFF));
        bytes += "only twenty bytes...";  // one byte short of the smallest length above

        CByteReader reader(bytes);
        CNamedValueList list;
        EXPECT_FALSE(list.ReadFrom(reader)) << length;
        EXPECT_EQ(PairsOf(list), (std::vector<NamedValue>{{"kept", 42}})) << length;
    }
}

}  // namespace
