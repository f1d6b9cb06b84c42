#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/FileIo.h"
#include "document/ShareCode.h"

namespace {

using namespace share_code;

TEST(ShareCode, RoundTripsAndIgnoresSurroundingBlanks)
{
    std::string binary;
    for (int i = 0; i < 256; ++i)
        binary += static_cast<char>(i);
    // Sizes around the unpacking chunk and far beyond it, packed well and badly.
    std::string noise;
    std::uint32_t state = 1;
    for (int i = 0; i < 70000; ++i) {
        state = state * 1103515245u + 12345u;
        noise += static_cast<char>(state >> 24);
    }
    for (const std::string& bytes : {std::string(), std::string("a"), std::string("ab"), std::string("abc"), binary,
                                     std::string(16383, 'x'), std::string(16385, 'x'), std::string(1 << 20, '\0'),
                                     noise}) {
        const std::string code = Encode(bytes);
        EXPECT_EQ(code.substr(0, 4), "QM1:");
        EXPECT_EQ(code.find_first_of("+/=", 4), std::string::npos);
        const Decoded decoded = Decode(" \r\n" + code + "\n\t");
        EXPECT_TRUE(decoded.Ok()) << bytes.size();
        EXPECT_EQ(decoded.bytes, bytes);
    }
}

// Any single changed character, any cut and any other prefix is refused.
TEST(ShareCode, EveryChangeCutAndForeignCodeIsRefused)
{
    const std::string code = Encode("Character file bytes: \x01\x02\x03 with enough text to compress a little.");
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_:+/= .";
    int refused = 0, tried = 0;
    for (std::size_t at = 0; at < code.size(); ++at)
        for (const char replacement : alphabet) {
            if (replacement == code[at])
                continue;
            std::string changed = code;
            changed[at] = replacement;
            ++tried;
            refused += Decode(changed).Ok() ? 0 : 1;
        }
    EXPECT_EQ(refused, tried);
    for (std::size_t length = 0; length < code.size(); ++length)
        EXPECT_FALSE(Decode(code.substr(0, length)).Ok()) << length;
    EXPECT_FALSE(Decode(code + "A").Ok());
    EXPECT_EQ(Decode("QM2:" + code.substr(4)).error, DecodeError::NotACode);
    EXPECT_EQ(Decode("").error, DecodeError::NotACode);
    EXPECT_EQ(Decode("QM1:").error, DecodeError::Damaged);
    EXPECT_EQ(Decode("QM1:" + code.substr(4, 10) + " " + code.substr(14)).error, DecodeError::Damaged);
}

TEST(ShareCode, APackedBombIsRefusedBeforeItGrowsPastTheFileLimit)
{
    const std::string code = Encode(std::string(file_limits::kCharacterFile + 1, '\0'));
    EXPECT_LT(code.size(), 100000u);
    const Decoded decoded = Decode(code);
    EXPECT_EQ(decoded.error, DecodeError::TooLarge);
    EXPECT_TRUE(decoded.bytes.empty());
    EXPECT_TRUE(Decode(Encode(std::string(file_limits::kCharacterFile, '\0'))).Ok());
}

}  // namespace
