// An ordered list of (key, 32-bit value) pairs. It holds the settings, the
// per-character options and every per-character plan, and has one byte layout
// wherever it is stored: a one-byte count, then per pair the value (i32), the
// key length (u32) and the key bytes, all little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "document/CByteReader.h"

struct NamedValue {
    std::string key;
    std::int32_t value = 0;

    bool operator==(const NamedValue&) const = default;
};

class CNamedValueList {
public:
    // The count is one byte, so this is the most a stored list can hold.
    static constexpr int kMaxStoredPairs = 255;

    CNamedValueList() = default;
    // The pairs in the given order, each as Set would add it.
    CNamedValueList(std::initializer_list<NamedValue> pairs)
    {
        for (const NamedValue& pair : pairs)
            Set(pair.key, pair.value);
    }

    // Keys compare byte for byte, case-sensitively; absent keys read as 0.
    std::int32_t Get(std::string_view key) const;
    bool Contains(std::string_view key) const;
    void Set(std::string_view key, std::int32_t value);
    // A 0 removes the key instead of storing it.
    void SetOrRemove(std::string_view key, std::int32_t value);
    void Remove(std::string_view key);
    void Clear() { m_pairs.clear(); }
    void Assign(const CNamedValueList& other) { m_pairs = other.m_pairs; }

    int Count() const { return static_cast<int>(m_pairs.size()); }
    bool IsEmpty() const { return m_pairs.empty(); }
    const NamedValue& At(int index) const { return m_pairs[static_cast<std::size_t>(index)]; }
    std::vector<NamedValue>::const_iterator begin() const { return m_pairs.begin(); }
    std::vector<NamedValue>::const_iterator end() const { return m_pairs.end(); }

    bool operator==(const CNamedValueList&) const = default;

    // Appends the stored layout. Fails, writing nothing, when the list holds
    // more pairs than the count byte can tell.
    bool WriteTo(CByteWriter& out) const;
    // Replaces the pairs by those stored at the reader's position, in their
    // stored order; of a key stored twice only the first pair is kept (the
    // value Get gives). Returns false when the data ends inside the layout; the
    // pairs read completely are kept and the reader stops at the damage.
    bool ReadFrom(CByteReader& in);

private:
    std::vector<NamedValue>::iterator Find(std::string_view key);
    std::vector<NamedValue>::const_iterator Find(std::string_view key) const;

    std::vector<NamedValue> m_pairs;
};
