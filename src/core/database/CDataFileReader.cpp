#include "database/CDataFileReader.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <utility>

#include "common/FileIo.h"

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
    if (!ReadWholeFile(path, m_contents, file_limits::kDataFile).ok) {
        Close();
        return false;
    }
    m_contents.push_back('\0');
    m_cursor = 0;
    m_lineEndKnown = false;
    NextLine();
    return true;
}

void CDataFileReader::OpenBytes(std::string bytes)
{
    m_contents = std::move(bytes);
    m_contents.push_back('\0');
    m_cursor = 0;
    m_lineEndKnown = false;
    NextLine();
}

void CDataFileReader::Close()
{
    m_contents.assign(1, '\0');
    m_cursor = 0;
    m_endOfLine = false;
    m_lineEndKnown = false;
}

bool CDataFileReader::NextLine()
{
    for (;;) {
        while (!AtEndOfContents() && IsSpace(Current()))
            ++m_cursor;
        if (AtEndOfContents() || Current() != m_comment)
            break;
        // A comment is only recognised at the start of a record.
        m_cursor = LineEnd();
    }
    m_endOfLine = false;
    return !AtEndOfContents();
}

std::size_t CDataFileReader::LineEnd()
{
    // The cursor only moves forward, so the LF found last stays valid until the
    // cursor has passed it.
    if (!m_lineEndKnown || m_cursor > m_lineEnd) {
        const std::size_t end = m_contents.size() - 1;  // the terminating NUL
        const void* lf = m_cursor < end ? std::memchr(m_contents.data() + m_cursor, '\n', end - m_cursor) : nullptr;
        m_lineEnd = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - m_contents.data()) : end;
        m_lineEndKnown = true;
    }
    return m_lineEnd;
}

std::size_t CDataFileReader::FindInLine(char c, std::size_t lineEnd) const
{
    if (m_cursor >= lineEnd)
        return lineEnd;
    const void* found = std::memchr(m_contents.data() + m_cursor, c, lineEnd - m_cursor);
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - m_contents.data()) : lineEnd;
}

std::string CDataFileReader::NextField()
{
    return std::string(NextFieldView());
}

std::string_view CDataFileReader::NextFieldView()
{
    if (m_endOfLine)
        return {};

    // A field never crosses a line end, so each search is bounded by the line's
    // LF; the field is copied once when its extent is known.
    const char* data = m_contents.data();
    const std::size_t lineEnd = LineEnd();
    const bool quoted = m_cursor < lineEnd && data[m_cursor] == '"';
    if (quoted)
        ++m_cursor;
    const std::size_t start = m_cursor;
    m_cursor = FindInLine(quoted ? '"' : m_separator, lineEnd);
    std::size_t length = std::min(m_cursor - start, kMaxFieldLength);
    while (length > 0 && IsSpace(data[start + length - 1]))
        --length;
    const std::string_view field(data + start, length);

    if (quoted) {
        if (m_cursor < lineEnd)
            ++m_cursor;  // the closing quote
        // Anything between the closing quote and the separator is dropped.
        m_cursor = FindInLine(m_separator, lineEnd);
    }

    if (m_cursor >= lineEnd) {
        m_endOfLine = true;
    } else {
        ++m_cursor;  // the separator
        while (m_cursor < lineEnd && IsSpace(data[m_cursor]))
            ++m_cursor;
        if (m_cursor >= lineEnd)
            m_endOfLine = true;
    }
    return field;
}

std::size_t CDataFileReader::LineNumber() const
{
    return 1 + static_cast<std::size_t>(std::count(m_contents.begin(), m_contents.begin() + static_cast<std::ptrdiff_t>(m_cursor), '\n'));
}

std::size_t CDataFileReader::LineCount() const
{
    std::size_t lines = 1;
    const char* at = m_contents.data();
    const char* const end = at + m_contents.size();
    while (const void* lf = std::memchr(at, '\n', static_cast<std::size_t>(end - at))) {
        ++lines;
        at = static_cast<const char*>(lf) + 1;
    }
    return lines;
}

std::int32_t CDataFileReader::NextInt()
{
    return ParseLeadingInt(NextFieldView());
}

double CDataFileReader::NextDouble()
{
    return ParseLeadingDouble(NextFieldView());
}

std::int32_t ParseLeadingInt(std::string_view text)
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

double ParseLeadingDouble(std::string_view text)
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
    if (i >= text.size() || text[i] == '+' || text[i] == '-')
        return 0.0;  // nothing left, or a second sign: no number
    double value = 0.0;
    const char* first = text.data() + i;
    const auto [ptr, ec] = std::from_chars(first, text.data() + text.size(), value);
    if (ptr == first || ec != std::errc())
        return 0.0;
    return negative ? -value : value;
}
