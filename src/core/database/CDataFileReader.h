// Field-by-field reader for the game's text data files. The whole file is read
// into memory; a loader pulls the fields of one record and then asks for the
// next record. Records are a stream of fields: a line with more fields than its
// loader reads lets the surplus start the next record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CDataFileReader {
public:
    // A field holds at most this many bytes; longer fields are truncated.
    static constexpr std::size_t kMaxFieldLength = 1023;

    CDataFileReader(char separator, char commentChar);
    virtual ~CDataFileReader() = default;

    // Reads the whole file and moves to its first record. False when the file
    // cannot be opened or read, is not a regular file or is larger than any
    // data file can be (file_limits::kDataFile).
    bool Open(const std::string& path);
    // Same as Open, from bytes already in memory (the fuzz targets and tests use it).
    void OpenBytes(std::string bytes);

    std::string NextField();
    std::int32_t NextInt();
    double NextDouble();
    // Moves to the start of the next record; false at the end of the contents.
    bool NextLine();
    void Close();
    // True once the current record's line has ended: every further NextField of
    // the record gives the empty text, so a loader can stop a counted list there.
    bool AtEndOfLine() const { return m_endOfLine; }
    // True when no record is left: the contents are empty or read to their end.
    bool AtEndOfContents() const { return m_cursor + 1 >= m_contents.size(); }
    // Lines of the contents: the record count of a file of one record per line,
    // so that a loader can size its table once instead of regrowing it.
    std::size_t LineCount() const;
    // The line (counted from 1) the reader's position is on.
    std::size_t LineNumber() const;

private:
    char m_separator;
    char m_comment;
    std::string m_contents;  // file bytes plus a terminating NUL
    std::size_t m_cursor = 0;
    bool m_endOfLine = false;
    std::size_t m_lineEnd = 0;  // position of the current line's LF, or of the NUL
    bool m_lineEndKnown = false;

    // The next field as a view into the contents, valid until the next Open or
    // Close; numbers are parsed from it without a copy.
    std::string_view NextFieldView();
    std::size_t LineEnd();
    // Position of c between the cursor and lineEnd, or lineEnd.
    std::size_t FindInLine(char c, std::size_t lineEnd) const;

    char Current() const { return m_contents[m_cursor]; }
};

// C-library style number conversions: leading white space, optional sign, digits
// up to the first character that does not fit; nothing readable gives 0.
std::int32_t ParseLeadingInt(std::string_view text);
double ParseLeadingDouble(std::string_view text);
