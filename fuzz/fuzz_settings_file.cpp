// Arbitrary bytes as config.bin. Besides memory faults this checks that a
// damaged file still gives every key that has a default (a complete file is
// taken as it is), and that what was read saves and reads back as the same pairs.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FuzzCheck.h"
#include "document/CAppSettings.h"
#include "document/CByteReader.h"
#include "document/CNamedValueList.h"

namespace {

bool SamePairs(const CNamedValueList& a, const CNamedValueList& b)
{
    if (a.Count() != b.Count())
        return false;
    for (int i = 0; i < a.Count(); ++i) {
        if (a.At(i).key != b.At(i).key || a.At(i).value != b.At(i).value)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CAppSettings settings;
    const CAppSettings::LoadResult result = settings.LoadBytes(bytes);
    FUZZ_CHECK(result != CAppSettings::LoadResult::Missing);

    if (result == CAppSettings::LoadResult::Damaged) {
        const CAppSettings defaults;
        for (int i = 0; i < defaults.Values().Count(); ++i)
            FUZZ_CHECK(settings.Values().Contains(defaults.Values().At(i).key));
    }

    CByteWriter out;
    if (settings.Values().WriteTo(out)) {
        CByteReader reader(out.Bytes());
        CNamedValueList again;
        FUZZ_CHECK(again.ReadFrom(reader));
        FUZZ_CHECK(reader.AtEnd());
        FUZZ_CHECK(SamePairs(again, settings.Values()));
    } else {
        FUZZ_CHECK(settings.Values().Count() > 255);
    }
    return 0;
}
