#include "document/ShareCode.h"

#include <zlib.h>

#include <array>
#include <cstdint>

#include "common/FileIo.h"

namespace share_code {

namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr std::size_t kCrcSize = 4;

int DigitOf(char c)
{
    const std::size_t at = kAlphabet.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::string ToBase64(std::string_view bytes)
{
    std::string text;
    text.reserve((bytes.size() * 4 + 2) / 3);
    std::uint32_t buffer = 0;
    int bits = 0;
    for (const char byte : bytes) {
        buffer = (buffer << 8) | static_cast<unsigned char>(byte);
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            text += kAlphabet[(buffer >> bits) & 0x3F];
        }
    }
    if (bits > 0)
        text += kAlphabet[(buffer << (6 - bits)) & 0x3F];
    return text;
}

// Only the one canonical spelling of each byte string is accepted: a last
// digit with bits that no byte uses would let two codes mean the same.
bool FromBase64(std::string_view text, std::string& bytes)
{
    if (text.size() % 4 == 1)
        return false;
    std::uint32_t buffer = 0;
    int bits = 0;
    for (const char c : text) {
        const int digit = DigitOf(c);
        if (digit < 0)
            return false;
        buffer = (buffer << 6) | static_cast<std::uint32_t>(digit);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    return (buffer & ((1u << bits) - 1)) == 0;
}

std::uint32_t Crc32(std::string_view bytes)
{
    return static_cast<std::uint32_t>(
        crc32(0L, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

// Inflates a whole zlib stream; false when it is damaged, ends early, has
// bytes after its end, or unpacks to more than the limit.
DecodeError Inflate(std::string_view packed, std::string& bytes)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return DecodeError::Damaged;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    std::array<char, 16384> chunk{};
    int status = Z_OK;
    DecodeError error = DecodeError::None;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
        stream.avail_out = static_cast<uInt>(chunk.size());
        status = inflate(&stream, Z_NO_FLUSH);
        bytes.append(chunk.data(), chunk.size() - stream.avail_out);
        if (bytes.size() > file_limits::kCharacterFile) {
            error = DecodeError::TooLarge;
            break;
        }
        if (status == Z_BUF_ERROR && stream.avail_in == 0)
            break;  // the input ended inside the stream
    }
    if (error == DecodeError::None && (status != Z_STREAM_END || stream.avail_in != 0))
        error = DecodeError::Damaged;
    inflateEnd(&stream);
    return error;
}

}  // namespace

std::string Encode(std::string_view characterFileBytes)
{
    uLongf packedSize = compressBound(static_cast<uLong>(characterFileBytes.size()));
    std::string packed(packedSize, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
              reinterpret_cast<const Bytef*>(characterFileBytes.data()),
              static_cast<uLong>(characterFileBytes.size()), Z_BEST_COMPRESSION);
    packed.resize(packedSize);
    // Over the packed bytes: a deflate stream may end in bits that unpack to
    // the same, so a check over the unpacked bytes would miss a change there.
    const std::uint32_t crc = Crc32(packed);
    for (int shift = 24; shift >= 0; shift -= 8)
        packed += static_cast<char>((crc >> shift) & 0xFF);
    return std::string(kPrefix) + ToBase64(packed);
}

Decoded Decode(std::string_view code)
{
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = code.find_first_not_of(kBlanks);
    code = first == std::string_view::npos ? std::string_view() : code.substr(first);
    code = code.substr(0, code.find_last_not_of(kBlanks) + 1);

    Decoded result;
    if (code.substr(0, kPrefix.size()) != kPrefix) {
        result.error = DecodeError::NotACode;
        return result;
    }
    std::string packed;
    if (!FromBase64(code.substr(kPrefix.size()), packed) || packed.size() <= kCrcSize) {
        result.error = DecodeError::Damaged;
        return result;
    }
    std::uint32_t crc = 0;
    for (std::size_t i = packed.size() - kCrcSize; i < packed.size(); ++i)
        crc = (crc << 8) | static_cast<unsigned char>(packed[i]);
    packed.resize(packed.size() - kCrcSize);
    if (Crc32(packed) != crc) {
        result.error = DecodeError::Damaged;
        return result;
    }
    result.error = Inflate(packed, result.bytes);
    if (!result.Ok())
        result.bytes.clear();
    return result;
}

std::string_view ErrorText(DecodeError error, UiLanguage language)
{
    const bool german = language == UiLanguage::German;
    switch (error) {
    case DecodeError::None: return {};
    case DecodeError::NotACode:
        return german ? "Das ist kein Quillmar-Code: er muss mit \"QM1:\" beginnen."
                      : "This is not a Quillmar share code: it must start with \"QM1:\".";
    case DecodeError::Damaged:
        return german ? "Der Code ist beschädigt oder unvollständig." : "The share code is damaged or incomplete.";
    case DecodeError::TooLarge:
        return german ? "Der Code ist zu groß für einen Charakter." : "The share code is too large for a character.";
    }
    return {};
}

}  // namespace share_code
