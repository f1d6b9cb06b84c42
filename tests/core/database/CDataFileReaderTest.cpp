#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "database/CCsvReader.h"
#include "database/CDatReader.h"
#include "database/GameTypes.h"

namespace {

// Reads every record of the bytes as up to `fieldsPerRecord` fields each.
template <typename Reader>
std::vector<std::vector<std::string>> ReadRecords(const std::string& bytes, int fieldsPerRecord)
{
    Reader reader;
    reader.OpenBytes(bytes);
    std::vector<std::vector<std::string>> records;
    for (int guard = 0; guard < 1000; ++guard) {
        std::vector<std::string> fields;
        for (int i = 0; i < fieldsPerRecord; ++i)
            fields.push_back(reader.NextField());
        records.push_back(fields);
        if (!reader.NextLine())
            break;
    }
    return records;
}

using Records = std::vector<std::vector<std::string>>;

struct ReaderCase {
    const char* name;
    bool csv;
    std::string bytes;
    int fieldsPerRecord;
    Records expected;
};

class ReaderCases : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(ReaderCases, SplitsFieldsAndRecords)
{
    const ReaderCase& c = GetParam();
    const Records got = c.csv ? ReadRecords<CCsvReader>(c.bytes, c.fieldsPerRecord)
                              : ReadRecords<CDatReader>(c.bytes, c.fieldsPerRecord);
    EXPECT_EQ(got, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ReaderCases,
    ::testing::Values(
        ReaderCase{"blanks_around_fields", false, "Sword,  2 ,x\n", 3, {{"Sword", "2", "x"}}},
        ReaderCase{"quoted_field_keeps_separator", false, "\"a,b\",c\n", 2, {{"a,b", "c"}}},
        ReaderCase{"text_after_closing_quote_is_dropped", true, "\"a;b\"junk;c\n", 2, {{"a;b", "c"}}},
        ReaderCase{"final_separator_adds_no_field", true, "a;b;\nnext\n", 4,
                   {{"a", "b", "", ""}, {"next", "", "", ""}}},
        ReaderCase{"crlf_is_trimmed", true, "a;b\r\nc;d\r\n", 2, {{"a", "b"}, {"c", "d"}}},
        ReaderCase{"comment_and_blank_lines_between_records", true, "  / note\n\na;b\n/x;y\nc;d", 2,
                   {{"a", "b"}, {"c", "d"}}},
        ReaderCase{"comment_char_inside_record_is_text", true, "a/b;c\n", 2, {{"a/b", "c"}}},
        ReaderCase{"dat_comment_is_semicolon", false, "; all\n  ;indented\nx,y\n", 2, {{"x", "y"}}},
        ReaderCase{"surplus_fields_start_next_record", true, "a;b;c;d\n", 2, {{"a", "b"}, {"c", "d"}}},
        ReaderCase{"missing_fields_are_empty", false, "a\nb,c\n", 2, {{"a", ""}, {"b", "c"}}},
        ReaderCase{"unterminated_quote_stops_at_line_end", false, "\"abc\nd\n", 2, {{"abc", ""}, {"d", ""}}},
        ReaderCase{"comment_on_last_line_without_lf", true, "a;b\n/ end", 2, {{"a", "b"}}},
        ReaderCase{"surplus_fields_then_next_line", true, "a;b;c\nd;e\n", 2, {{"a", "b"}, {"c", ""}, {"d", "e"}}},
        ReaderCase{"quoted_fields_on_consecutive_lines", false, "\"a\"x,b\n\"c,d\"\n;\"q\n\"e\",f", 2,
                   {{"a", "b"}, {"c,d", ""}, {"e", "f"}}},
        ReaderCase{"blank_fields_and_blank_line_ends", true, "a; ;  \n \t\n;b\n", 3,
                   {{"a", "", ""}, {"", "b", ""}}},
        ReaderCase{"german_letters_pass_byte_for_byte", true, "R\xFCstung: Leder;1\n", 2,
                   {{"R\xFCstung: Leder", "1"}}}),
    [](const ::testing::TestParamInfo<ReaderCase>& row) { return std::string(row.param.name); });

TEST(DataFileReader, FileOfOnlyCommentsReachesEndAtOpen)
{
    CCsvReader reader;
    reader.OpenBytes("/ one\n\n   / two\n");
    EXPECT_EQ(reader.NextField(), "");
    EXPECT_FALSE(reader.NextLine());
}

TEST(DataFileReader, LongFieldIsTruncatedAndNextFieldStillFound)
{
    CDatReader reader;
    reader.OpenBytes(std::string(5000, 'a') + ",tail\n");
    EXPECT_EQ(reader.NextField(), std::string(CDataFileReader::kMaxFieldLength, 'a'));
    EXPECT_EQ(reader.NextField(), "tail");
}

TEST(DataFileReader, LineCountCountsEveryLineOfTheContents)
{
    struct Case {
        std::string bytes;
        std::size_t lines;
    };
    for (const Case& c : {Case{"", 1}, Case{"a", 1}, Case{"a\n", 2}, Case{"a\nb", 2}, Case{"/c\n\n\nx;y\n", 5},
                          Case{std::string("a\0\nb", 4), 2}}) {
        CCsvReader reader;
        reader.OpenBytes(c.bytes);
        EXPECT_EQ(reader.LineCount(), c.lines) << c.bytes;
    }
    CCsvReader reader;
    reader.OpenBytes("a\nb\n");
    reader.Close();
    EXPECT_EQ(reader.LineCount(), 1U);
}

TEST(DataFileReader, MissingFileFailsToOpen)
{
    CDatReader reader;
    EXPECT_FALSE(reader.Open("/nonexistent/folder/classes.dat"));
    EXPECT_EQ(reader.NextField(), "");
}

TEST(DataFileReader, FolderInPlaceOfAFileFailsToOpenAndLeavesNothing)
{
    const std::string file = ::testing::TempDir() + "/reader_open_test.csv";
    std::FILE* out = std::fopen(file.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fputs("a;b\nc;d\n", out);
    std::fclose(out);

    CCsvReader reader;
    ASSERT_TRUE(reader.Open(file));
    EXPECT_EQ(reader.NextField(), "a");
    EXPECT_FALSE(reader.Open(::testing::TempDir()));
    EXPECT_EQ(reader.NextField(), "");
    EXPECT_FALSE(reader.NextLine());
    ASSERT_TRUE(reader.Open(file));  // reads the whole file again from its start
    EXPECT_EQ(reader.NextField(), "a");
    EXPECT_EQ(reader.NextField(), "b");
    ASSERT_TRUE(reader.NextLine());
    EXPECT_EQ(reader.NextField(), "c");
    std::remove(file.c_str());
}

TEST(DataFileReader, EmbeddedNulByteEndsNothingEarly)
{
    CCsvReader reader;
    reader.OpenBytes(std::string("a\0b;c\n", 6));
    EXPECT_EQ(reader.NextField(), std::string("a\0b", 3));
    EXPECT_EQ(reader.NextField(), "c");
}

struct NumberCase {
    std::string text;
    std::int32_t asInt;
    double asDouble;
};

TEST(DataFileReader, NumbersFollowTheCLibraryRule)
{
    const NumberCase cases[] = {
        {"42", 42, 42.0},       {"  -7x", -7, -7.0},  {"+3", 3, 3.0},      {"abc", 0, 0.0},
        {"", 0, 0.0},           {"1.25", 1, 1.25},    {"-0.5", 0, -0.5},   {"12*", 12, 12.0},
        {"4294967297", 1, 4294967297.0},              {"--1", 0, 0.0},     {"1e3", 1, 1000.0},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(ParseLeadingInt(c.text), c.asInt) << c.text;
        EXPECT_DOUBLE_EQ(ParseLeadingDouble(c.text), c.asDouble) << c.text;
    }
}

TEST(GameTypes, RealmAndStatCodes)
{
    EXPECT_EQ(RealmFromCode("NORDHAL"), 2);
    EXPECT_EQ(RealmFromCode("Caldor"), 0);
    EXPECT_EQ(RealmFromCode("gle"), 1);
    EXPECT_EQ(RealmFromCode("xx"), -1);
    EXPECT_EQ(RealmFromCode("ca"), -1);
    EXPECT_EQ(RealmName(3), "");
    EXPECT_EQ(RealmName(-1), "");
    EXPECT_EQ(RealmName(1), "Glenmora");
    EXPECT_EQ(RealmNames(), (std::vector<std::string>{"Caldor", "Glenmora", "Nordhal"}));
    EXPECT_EQ(StatFromName("Piety"), 5);
    EXPECT_EQ(StatFromName("0"), -1);
    EXPECT_EQ(StatFromName(""), -1);
    EXPECT_EQ(StatFromName("Charisma"), 7);
    EXPECT_EQ(StatFromName("QUI"), 3);
}

TEST(GameTypes, EqualsNoCaseFoldsOnlyAsciiLetters)
{
    EXPECT_TRUE(EqualsNoCase("Schwert", "SCHWERT"));
    EXPECT_FALSE(EqualsNoCase("Schwert", "Schwer"));
    EXPECT_TRUE(EqualsNoCase("R\xFCstung", "R\xFCSTUNG"));
    EXPECT_FALSE(EqualsNoCase("\xFC", "\xDC"));
}

}  // namespace
