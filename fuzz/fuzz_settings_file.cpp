// Arbitrary bytes as config.bin. Besides memory faults this checks that a
// damaged file still gives every key that has a default (a complete file is
// taken as it is), and that what was read saves and reads back as the same pairs.
#include "FuzzDriver.h"
#include "document/CAppSettings.h"
#include "document/CByteReader.h"
#include "document/CNamedValueList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CAppSettings settings;
    const CAppSettings::LoadResult result = settings.LoadBytes(FuzzInput(data, size));
    FUZZ_CHECK(result != CAppSettings::LoadResult::Missing);
    const CNamedValueList& values = settings.Values();
    if (result == CAppSettings::LoadResult::Damaged) {
        const CAppSettings defaults;
        for (int i = 0; i < defaults.Values().Count(); ++i)
            FUZZ_CHECK(values.Contains(defaults.Values().At(i).key));
    }
    CByteWriter out;
    if (!values.WriteTo(out)) {
        FUZZ_CHECK(values.Count() > 255);
        return 0;
    }
    CByteReader reader(out.Bytes());
    CNamedValueList again;
    FUZZ_CHECK(again.ReadFrom(reader) && reader.AtEnd() && again.Count() == values.Count());
    for (int i = 0; i < values.Count(); ++i)
        FUZZ_CHECK(again.At(i).key == values.At(i).key && again.At(i).value == values.At(i).value);
    return 0;
}
