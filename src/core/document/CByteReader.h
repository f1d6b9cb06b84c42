// Bounds-checked little-endian reading of a file held in memory. Every read
// past the end fails instead of reading garbage, and the reader remembers how
// far it got so that errors can say where a file is damaged.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

class CByteReader {
public:
    explicit CByteReader(std::string_view bytes) : m_bytes(bytes) {}

    std::size_t Offset() const { return m_offset; }
    std::size_t Remaining() const { return m_bytes.size() - m_offset; }
    bool AtEnd() const { return m_offset == m_bytes.size(); }

    bool ReadU8(std::uint8_t& value)
    {
        if (Remaining() < 1)
            return false;
        value = static_cast<std::uint8_t>(m_bytes[m_offset++]);
        return true;
    }

    bool ReadU32(std::uint32_t& value)
    {
        if (Remaining() < 4)
            return false;
        value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | static_cast<std::uint8_t>(m_bytes[m_offset + static_cast<std::size_t>(i)]);
        m_offset += 4;
        return true;
    }

    bool ReadI32(std::int32_t& value)
    {
        std::uint32_t raw = 0;
        if (!ReadU32(raw))
            return false;
        value = static_cast<std::int32_t>(raw);
        return true;
    }

    bool ReadF32(float& value)
    {
        std::uint32_t raw = 0;
        if (!ReadU32(raw))
            return false;
        std::memcpy(&value, &raw, sizeof value);
        return true;
    }

    bool ReadBytes(std::size_t count, std::string& value)
    {
        if (Remaining() < count)
            return false;
        value.assign(m_bytes.substr(m_offset, count));
        m_offset += count;
        return true;
    }

private:
    std::string_view m_bytes;
    std::size_t m_offset = 0;
};

// The writing side: appends little-endian fields to a byte string.
class CByteWriter {
public:
    void WriteU8(std::uint8_t value) { m_bytes.push_back(static_cast<char>(value)); }
    void WriteU32(std::uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    void WriteI32(std::int32_t value) { WriteU32(static_cast<std::uint32_t>(value)); }
    void WriteF32(float value)
    {
        std::uint32_t raw = 0;
        std::memcpy(&raw, &value, sizeof raw);
        WriteU32(raw);
    }
    void WriteBytes(std::string_view bytes) { m_bytes.append(bytes); }

    const std::string& Bytes() const { return m_bytes; }
    std::string TakeBytes() { return std::move(m_bytes); }

private:
    std::string m_bytes;
};
