// Arbitrary text as a pasted share code. Besides memory faults this checks
// that a code that decodes gives at most a character file's bytes, which make
// a code of their own that decodes to them again, that a refused code leaves
// nothing behind, and that every byte string survives its own round trip.
#include "FuzzDriver.h"
#include "common/FileIo.h"
#include "document/ShareCode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = FuzzInput(data, size);
    const share_code::Decoded decoded = share_code::Decode(input);
    if (decoded.Ok()) {
        FUZZ_CHECK(decoded.bytes.size() <= file_limits::kCharacterFile);
        FUZZ_CHECK(share_code::Decode(share_code::Encode(decoded.bytes)).bytes == decoded.bytes);
    } else {
        FUZZ_CHECK(decoded.bytes.empty());
    }
    const share_code::Decoded again = share_code::Decode(share_code::Encode(input));
    FUZZ_CHECK(again.Ok() && again.bytes == input);
    return 0;
}
