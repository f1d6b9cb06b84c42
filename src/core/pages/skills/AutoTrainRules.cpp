#include "pages/skills/AutoTrainRules.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

// Larger numbers name no step; capping keeps the arithmetic far from overflow.
constexpr int kNumberCap = 1000;

// Bits 0 .. count - 1.
std::uint32_t LowBits(int count)
{
    if (count <= 0)
        return 0;
    if (count >= kAutoTrainSkills)
        return kAutoTrainUsedBits;
    return (1u << count) - 1u;
}

std::uint32_t WithLevelBit(std::uint32_t mask)
{
    return (mask & kAutoTrainStepBits) != 0 ? mask | 1u : mask;
}

int HighestBit(std::uint32_t mask)
{
    for (int bit = kAutoTrainHighestStepBit; bit >= 0; --bit) {
        if (HasAutoTrainBit(mask, bit))
            return bit;
    }
    return -1;
}

std::string Format(const char* format, int a, int b = 0)
{
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, format, a, b);
    return buffer;
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads the parts of one item (blanks already removed).
class CItemReader {
public:
    explicit CItemReader(std::string_view item) : m_item(item) {}

    std::optional<int> Number()
    {
        if (m_pos >= m_item.size() || !IsDigit(m_item[m_pos]))
            return std::nullopt;
        int value = 0;
        while (m_pos < m_item.size() && IsDigit(m_item[m_pos])) {
            value = std::min(value * 10 + (m_item[m_pos] - '0'), kNumberCap);
            ++m_pos;
        }
        return value;
    }

    // "-" or one of the range words.
    bool Separator()
    {
        if (m_pos < m_item.size() && m_item[m_pos] == '-') {
            ++m_pos;
            return true;
        }
        for (const std::string_view word :
             {std::string_view("until"), std::string_view("bis"), std::string_view("to")}) {
            if (m_item.size() - m_pos < word.size())
                continue;
            bool equal = true;
            for (std::size_t i = 0; i < word.size() && equal; ++i)
                equal = Lower(m_item[m_pos + i]) == word[i];
            if (equal) {
                m_pos += word.size();
                return true;
            }
        }
        return false;
    }

private:
    std::string_view m_item;
    std::size_t m_pos = 0;
};

struct Range {
    int from = 0;
    int to = 0;
};

// One item as a range of skill levels, or nothing when it cannot be read.
std::optional<Range> ReadItem(std::string_view item, int previousEnd)
{
    CItemReader reader(item);
    if (const std::optional<int> first = reader.Number()) {
        if (!reader.Separator())
            return Range{*first, *first};
        const std::optional<int> last = reader.Number();
        return Range{*first, last.value_or(*first)};
    }
    if (!reader.Separator())
        return std::nullopt;
    const std::optional<int> last = reader.Number();
    if (!last)
        return std::nullopt;
    return Range{previousEnd, *last};
}

}  // namespace

std::string_view AutoTrainStepLevels(int skill)
{
    if (skill < 1 || skill > kAutoTrainSkills)
        return {};
    return kAutoTrainStepLevels[static_cast<std::size_t>(skill - 1)];
}

int AutoTrainMinimum(int characterLevel, std::uint32_t mask)
{
    const int highestCounted = std::min(characterLevel / 4 - 1, kAutoTrainHighestStepBit);
    for (int bit = highestCounted; bit >= 0; --bit) {
        if (HasAutoTrainBit(mask, bit))
            return bit + 1;
    }
    return 0;
}

std::string AutoTrainSummary(std::uint32_t mask)
{
    std::string text;
    for (int i = 1; i <= kAutoTrainHighestStepBit; ++i) {
        if (!HasAutoTrainBit(mask, i))
            continue;
        int end = i;
        while (HasAutoTrainBit(mask, end + 1))
            ++end;
        if (!text.empty())
            text += ',';
        if (i == end && end >= 2)
            text += Format("%i", i + 1);
        else if (i < 2)
            text += Format("bis %i", end + 1);
        else
            text += Format("%i-%i", i + 1, end + 1);
        i = end;
    }
    return text.empty() ? std::string("no") : text;
}

std::uint32_t ParseAutoTrainText(std::string_view text, int characterLevel)
{
    std::string compact;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\v' && c != '\f')
            compact += c;
    }

    std::uint32_t mask = 0;
    int previousEnd = 0;
    std::size_t start = 0;
    while (start <= compact.size()) {
        std::size_t stop = compact.find_first_of(",;", start);
        if (stop == std::string::npos)
            stop = compact.size();
        const std::string_view item = std::string_view(compact).substr(start, stop - start);
        if (const std::optional<Range> range = ReadItem(item, previousEnd)) {
            const int from = std::min(range->from, range->to);
            const int to = std::max(range->from, range->to);
            for (int bit = std::max(from - 1, 0); bit <= std::min(to - 1, kAutoTrainHighestStepBit); ++bit)
                mask |= 1u << bit;
            previousEnd = to;
        }
        start = stop + 1;
    }

    mask &= LowBits(characterLevel / 4);
    return WithLevelBit(mask);
}

std::vector<std::string> AutoTrainDescription(std::uint32_t mask)
{
    const int saved =
        AutoTrainAllowance(static_cast<int>(level_slot::kMaxLevel), static_cast<std::int32_t>(mask));
    std::vector<std::string> lines{Format("Sie haben %i Spezialisierungspunkte gespart", saved)};
    for (int s = 0; s <= kAutoTrainHighestStepBit; ++s) {
        if (!HasAutoTrainBit(mask, s))
            continue;
        int e = s;
        while (HasAutoTrainBit(mask, e + 1))
            ++e;
        if (s > 0)
            lines.push_back(Format("Bis Level %i d\xFCrfen sie maximal auf %i Skillen.", 4 * s + 4, s));
        if (e > s)
            lines.push_back(Format("Bis Level %i d\xFCrfen sie nicht skillen.", 4 * e + 4));
        s = e;
    }
    return lines;
}

std::uint32_t AutoTrainMaskFromSteps(std::uint32_t stepBits)
{
    return WithLevelBit(stepBits & kAutoTrainStepBits);
}

std::uint32_t AutoTrainFieldValue(std::uint32_t mask, int maximum)
{
    const std::uint32_t kept = mask & LowBits(maximum);
    return kept == 1u ? 0u : kept;
}

std::uint32_t AutoTrainFieldStep(std::uint32_t mask, int delta, int minimum, int maximum)
{
    int steps = HighestBit(mask) + 1;
    // Far beyond the range either way is the same as its end.
    steps += std::clamp(delta, -kAutoTrainSkills - 1, kAutoTrainSkills + 1);
    if (steps == 1)
        steps = delta > 0 ? 2 : 0;
    steps = std::max(steps, minimum);
    steps = std::min(steps, maximum);
    steps = std::clamp(steps, 0, kAutoTrainSkills);
    return steps == 1 ? 0u : LowBits(steps);
}
