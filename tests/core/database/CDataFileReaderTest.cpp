#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/CCsvReader.h"
#include "database/CDatReader.h"
#include "database/GameTypes.h"

namespace {

using Records = std::vector<std::vector<std::string>>;

// Reads every record of the bytes as `fieldsPerRecord` fields each.
template <typename Reader> Records ReadRecords(const std::string& bytes, int fieldsPerRecord)
{
    Reader reader;
    reader.OpenBytes(bytes);
    Records records;
    do {
        records.emplace_back();
        for (int i = 0; i < fieldsPerRecord; ++i)
            records.back().push_back(reader.NextField());
    } while (reader.NextLine() && records.size() < 100);
    return records;
}

struct ReaderCase {
    bool csv;
    std::string bytes;
    int fieldsPerRecord;
    Records expected;
};

TEST(DataFileReader, SplitsFieldsAndRecords)
{
    const ReaderCase cases[] = {
        // clang-format off
        {false, "Sword,  2 ,x\n", 3, {{"Sword", "2", "x"}}}, {false, "\"a,b\",c\n", 2, {{"a,b", "c"}}},
        {true, "\"a;b\"junk;c\n", 2, {{"a;b", "c"}}},
        {true, "a;b;\nnext\n", 4, {{"a", "b", "", ""}, {"next", "", "", ""}}},
        {true, "  / note\n\na;b\n/x;y\nc;d", 2, {{"a", "b"}, {"c", "d"}}},
        {true, "a;b;c;d\n", 2, {{"a", "b"}, {"c", "d"}}},
        {false, "\"abc\nd\n", 2, {{"abc", ""}, {"d", ""}}}, {true, "a;b\n/ end", 2, {{"a", "b"}}},
        {true, "/ one\n\n   / two\n", 1, {{""}}},
        {false, "\"a\"x,b\n\"c,d\"\n;\"q\n\"e\",f", 2, {{"a", "b"}, {"c,d", ""}, {"e", "f"}}},
        {true, std::string("a\0b;c\n", 6), 2, {{std::string("a\0b", 3), "c"}}},
        {false, std::string(5000, 'a') + ",tail", 2, {{std::string(CDataFileReader::kMaxFieldLength, 'a'), "tail"}}},
        // clang-format on
    };
    for (const ReaderCase& c : cases) {
        EXPECT_EQ(c.csv ? ReadRecords<CCsvReader>(c.bytes, c.fieldsPerRecord)
                        : ReadRecords<CDatReader>(c.bytes, c.fieldsPerRecord),
                  c.expected)
            << c.bytes.substr(0, 40);
    }
}

TEST(DataFileReader, LineCountCountsEveryLineOfTheContents)
{
    for (const auto& [bytes, lines] : {std::pair<std::string, std::size_t>{"", 1},
                                       {"a", 1},
                                       {"a\n", 2},
                                       {"a\nb", 2},
                                       {"/c\n\n\nx;y\n", 5},
                                       {std::string("a\0\nb", 4), 2}}) {
        CCsvReader reader;
        reader.OpenBytes(bytes);
        EXPECT_EQ(reader.LineCount(), lines) << bytes;
    }
}

TEST(DataFileReader, NumbersFollowTheCLibraryRule)
{
    const std::tuple<const char*, std::int32_t, double> cases[] = {
        // clang-format off
        {"42", 42, 42.0}, {"  -7x", -7, -7.0}, {"+3", 3, 3.0}, {"abc", 0, 0.0}, {"", 0, 0.0},
        {"1.25", 1, 1.25}, {"-0.5", 0, -0.5}, {"12*", 12, 12.0}, {"4294967297", 1, 4294967297.0},
        {"--1", 0, 0.0}, {"1e3", 1, 1000.0},
        // Past the 64-bit range it saturates, then keeps the low 32 bits.
        {"9223372036854775808", -1, 9223372036854775808.0}, {"-9223372036854775809", 0, -9223372036854775809.0},
        // clang-format on
    };
    for (const auto& [text, asInt, asDouble] : cases) {
        EXPECT_EQ(ParseLeadingInt(text), asInt) << text;
        EXPECT_DOUBLE_EQ(ParseLeadingDouble(text), asDouble) << text;
    }
}

}  // namespace
