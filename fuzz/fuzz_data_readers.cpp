// Arbitrary bytes through both data file readers. Each reader walks every record
// the way the loaders do: a few fields per record (the first input byte picks
// how many and whether they are read as text or numbers), then the next record.
// Besides memory faults, the walk checks what every loader relies on: fields
// are bounded, hold no line break and no trailing white space, the end-of-line
// state is sticky, and every step moves forward.
#include <string>

#include "FuzzDriver.h"
#include "database/CCsvReader.h"
#include "database/CDatReader.h"

namespace {

void CheckField(const std::string& field)
{
    FUZZ_CHECK(field.size() <= CDataFileReader::kMaxFieldLength);
    FUZZ_CHECK(field.find('\n') == std::string::npos);
    FUZZ_CHECK(field.empty() || std::string_view(" \t\r\n\v\f").find(field.back()) == std::string_view::npos);
}

template <typename Reader> void Walk(Reader& reader, std::size_t inputSize, unsigned pattern)
{
    // Each record consumes at least one byte, so the record count is bounded.
    std::size_t records = 0;
    const unsigned fieldsPerRecord = 1 + pattern % 24;  // 0 would never move on
    do {
        FUZZ_CHECK(++records <= inputSize + 1);
        for (unsigned i = 0; i < fieldsPerRecord; ++i) {
            const bool wasEnded = reader.AtEndOfLine();
            if ((pattern & 0x80) != 0 && i % 2 == 1) {
                (void)reader.NextInt();
                continue;
            }
            const std::string field = reader.NextField();
            CheckField(field);
            FUZZ_CHECK(!wasEnded || (field.empty() && reader.AtEndOfLine()));
        }
        // Drain the rest of the line too, as a loader of a counted list would.
        for (std::size_t guard = 0; (pattern & 0x40) != 0 && !reader.AtEndOfLine(); ++guard) {
            CheckField(reader.NextField());
            FUZZ_CHECK(guard <= inputSize);
        }
    } while (reader.NextLine());
    FUZZ_CHECK(!reader.NextLine());           // the end is sticky
    FUZZ_CHECK(reader.NextField().empty());  // nothing is left to read
    FUZZ_CHECK(reader.LineCount() >= 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string bytes(FuzzInput(data + 1, size - 1));
    CDatReader dat;
    dat.OpenBytes(bytes);
    Walk(dat, bytes.size(), data[0]);
    // Floats on a fresh pass: the field text is arbitrary.
    dat.OpenBytes(bytes);
    for (std::size_t i = 0; i < 64 && dat.NextLine(); ++i)
        (void)dat.NextFloat();
    CCsvReader csv;
    csv.OpenBytes(bytes);
    Walk(csv, bytes.size(), data[0]);
    // Closing leaves a reader usable.
    csv.Close();
    FUZZ_CHECK(!csv.NextLine() && csv.NextField().empty());
    return 0;
}
