#include "database/CDataFileReader.h"

#include <charconv>
#include <cstdio>
#include <limits>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

CDataFileReader::CDataFileReader(char separator, char commentChar)
    : m_separator(separator), m_comment(commentChar)
{
    m_contents.push_back('\0');
}

bool CDataFileReader::Open(const std::string& path)
{
    Close();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::string bytes;
    char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        return false;
    OpenBytes(std::move(bytes));
    return true;
}

void CDataFileReader::OpenBytes(std::string bytes)
{
    m_contents.assign(bytes.begin(), bytes.end());
    m_contents.push_back('\0');
    m_cursor = 0;
    NextLine();
}

void CDataFileReader::Close()
{
    m_contents.assign(1, '\0');
    m_cursor = 0;
    m_endOfLine = false;
}

bool CDataFileReader::NextLine()
{
    for (;;) {
        while (!AtEnd() && IsSpace(Current()))
            ++m_cursor;
        if (AtEnd() || Current() != m_comment)
            break;
        // A comment is only recognised at the start of a record.
        while (!AtEnd() && Current() != '\n')
            ++m_cursor;
    }
    m_endOfLine = false;
    return !AtEnd();
}

std::string CDataFileReader::NextField()
{
    if (m_endOfLine)
        return {};

    std::string field;
    const bool quoted = !AtEnd() && Current() == '"';
    if (quoted)
        ++m_cursor;
    const char stop = quoted ? '"' : m_separator;
    while (!AtEnd() && Current() != stop && Current() != '\n') {
        if (field.size() < kMaxFieldLength)
            field.push_back(Current());
        ++m_cursor;
    }
    while (!field.empty() && IsSpace(field.back()))
        field.pop_back();

    if (quoted) {
        if (!AtEnd() && Current() == '"')
            ++m_cursor;
        // Anything between the closing quote and the separator is dropped.
        while (!AtEnd() && Current() != m_separator && Current() != '\n')
            ++m_cursor;
    }

    if (AtEnd() || Current() == '\n') {
        m_endOfLine = true;
    } else {
        ++m_cursor;  // the separator
        while (!AtEnd() && Current() != '\n' && IsSpace(Current()))
            ++m_cursor;
        if (AtEnd() || Current() == '\n')
            m_endOfLine = true;
    }
    return field;
}

std::int32_t CDataFileReader::NextInt()
{
    return ParseLeadingInt(NextField());
}

std::int32_t ParseLeadingInt(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate in 64 bits and saturate like strtol on a 64-bit long, then keep
    // the low 32 bits: the data files' numbers have no range check.
    std::uint64_t value = 0;
    bool overflow = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value > (std::numeric_limits<std::uint64_t>::max() - 9) / 10)
            overflow = true;
        else
            value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
    }
    std::int64_t result = 0;
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (negative)
        result = (overflow || value > kMax) ? std::numeric_limits<std::int64_t>::min()
                                            : -static_cast<std::int64_t>(value);
    else
        result = (overflow || value > kMax) ? std::numeric_limits<std::int64_t>::max()
                                            : static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(result);
}

double ParseLeadingDouble(const std::string& text)
{
    // std::from_chars is locale-independent: the data always uses '.' whatever
    // locale the desktop program runs in.
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        return 0.0;  // a second sign is no number
    double value = 0.0;
    const char* first = text.data() + i;
    const auto [ptr, ec] = std::from_chars(first, text.data() + text.size(), value);
    if (ptr == first || ec != std::errc())
        return 0.0;
    return negative ? -value : value;
}
