#include "document/CNamedValueList.h"

#include <algorithm>


std::vector<NamedValue>::iterator CNamedValueList::Find(std::string_view key)
{
    return std::find_if(m_pairs.begin(), m_pairs.end(), [key](const NamedValue& pair) { return pair.key == key; });
}

std::vector<NamedValue>::const_iterator CNamedValueList::Find(std::string_view key) const
{
    return std::find_if(m_pairs.begin(), m_pairs.end(), [key](const NamedValue& pair) { return pair.key == key; });
}

std::int32_t CNamedValueList::Get(std::string_view key) const
{
    const auto it = Find(key);
    return it != m_pairs.end() ? it->value : 0;
}

bool CNamedValueList::Contains(std::string_view key) const
{
    return Find(key) != m_pairs.end();
}

void CNamedValueList::Set(std::string_view key, std::int32_t value)
{
    const auto it = Find(key);
    if (it != m_pairs.end())
        it->value = value;
    else
        m_pairs.push_back({std::string(key), value});
}

void CNamedValueList::SetOrRemove(std::string_view key, std::int32_t value)
{
    if (value == 0)
        Remove(key);
    else
        Set(key, value);
}

void CNamedValueList::Remove(std::string_view key)
{
    const auto it = Find(key);
    if (it != m_pairs.end())
        m_pairs.erase(it);
}

bool CNamedValueList::WriteTo(CByteWriter& out) const
{
    if (m_pairs.size() > static_cast<std::size_t>(kMaxStoredPairs))
        return false;
    out.WriteU8(static_cast<std::uint8_t>(m_pairs.size()));
    for (const NamedValue& pair : m_pairs) {
        out.WriteI32(pair.value);
        out.WriteU32(static_cast<std::uint32_t>(pair.key.size()));
        out.WriteBytes(pair.key);
    }
    return true;
}

bool CNamedValueList::ReadFrom(CByteReader& in)
{
    m_pairs.clear();
    std::uint8_t count = 0;
    if (!in.ReadU8(count))
        return false;
    for (int i = 0; i < count; ++i) {
        NamedValue pair;
        std::uint32_t length = 0;
        // ReadBytes checks the length against the bytes left before it
        // allocates, so a damaged length cannot ask for gigabytes.
        if (!in.ReadI32(pair.value) || !in.ReadU32(length) || !in.ReadBytes(length, pair.key))
            return false;
        // A key stored twice keeps its first value, the one Get has always
        // answered, so that what is shown and what is saved agree with it.
        if (!Contains(pair.key))
            m_pairs.push_back(std::move(pair));
    }
    return true;
}
