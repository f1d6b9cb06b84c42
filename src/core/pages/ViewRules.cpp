#include "pages/ViewRules.h"

#include <algorithm>
#include <charconv>

#include "document/RealmRank.h"

namespace view_rules {

namespace {

constexpr float kTopLevel = 50.0f;
constexpr float kBottomLevel = 5.0f;
constexpr float kLastWholeLevel = 40.0f;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The leading digits of a short piece of text as a number, 0 without any.
int LeadingNumber(std::string_view text)
{
    int value = 0;
    for (char c : text) {
        if (!IsDigit(c))
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Windows-1252 lower case: ASCII, the accented capitals 0xC0..0xDE (not the
// multiplication sign) and the few capitals in 0x80..0x9F.
unsigned char FoldCase(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A:  // S caron
    case 0x8C:  // OE
    case 0x8E:  // Z caron
        return static_cast<unsigned char>(c + 0x10);
    case 0x9F:  // Y diaeresis
        return 0xFF;
    default:
        return c;
    }
}

constexpr std::string_view kSuffixGerman = " (Weiblich)";
constexpr std::string_view kSuffixOther = " (Female)";

}  // namespace

// Level field -------------------------------------------------------------------

float StepLevel(float start, int d)
{
    float level = start;
    while (d < 0 && level < kTopLevel) {
        level += level <= kLastWholeLevel - 1.0f ? 1.0f : 0.5f;
        ++d;
    }
    while (d >= 1 && level > kBottomLevel) {
        level -= level <= kLastWholeLevel ? 1.0f : 0.5f;
        --d;
    }
    return level;
}

float ParseLevelText(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0.0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = value * 10.0 + (text[i] - '0');
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        double scale = 0.1;
        for (++i; i < text.size() && IsDigit(text[i]); ++i, scale *= 0.1)
            value += (text[i] - '0') * scale;
    }
    // Far outside the level range either way; keeps the float finite.
    value = std::min(value, 1.0e6);
    return static_cast<float>(negative ? -value : value);
}

std::string FormatLevel(float level)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(level),
                                      std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

// Realm rank field -----------------------------------------------------------------

std::optional<int> ParseRealmRankText(std::string_view typed)
{
    std::string_view text = Trimmed(typed);
    if (text.empty())
        return std::nullopt;

    // The sub-level is the last one or two digits.
    int subLevel = LeadingNumber(text.substr(text.size() - 1));
    if (text.size() > 2 && IsDigit(text[text.size() - 2]))
        subLevel = LeadingNumber(text.substr(text.size() - 2));

    // One leading letter ("R") is skipped; the rank is the first one or two
    // digits, except that a bare two-digit text is rank and sub-level ("53").
    if (!IsDigit(text.front()))
        text.remove_prefix(1);
    int rank = LeadingNumber(text.substr(0, 1));
    if (text.size() >= 2 && IsDigit(text[1]) && text.size() != 2)
        rank = LeadingNumber(text.substr(0, 2));

    return subLevel + rank * 10 - 10;
}

int StepRealmRank(int code, int d)
{
    return code - d;
}

std::string RealmRankText(int code)
{
    return realm_rank::CodeText(code);
}

std::string RealmPointsDisplay(int code)
{
    return realm_rank::PointsText(code) + " RPs";
}

std::string RealmPointsTooltip(int code)
{
    std::string tip = "<al_c><b>" + realm_rank::CodeText(code) + "</b><br><hr=100%><br>";
    tip += realm_rank::PointsText(code);
    const std::string next = realm_rank::PointsText(code + 1, true);
    if (!next.empty())
        tip += " - " + next;
    tip += " RPs";
    return tip;
}

// Tabs ---------------------------------------------------------------------------

std::vector<int> TabSet(bool showOldRealmAbilities, bool showExperimental)
{
    std::vector<int> tabs;
    for (int id = 0; id < kPageCount; ++id) {
        if (id == kPageOldRealmAbilities && !showOldRealmAbilities)
            continue;
        if ((id == kPageCalculations || id == kPageResists) && !showExperimental)
            continue;
        tabs.push_back(id);
    }
    return tabs;
}

int TabPositionOf(int id, const std::vector<int>& tabs)
{
    const auto found = std::find(tabs.begin(), tabs.end(), id);
    return found == tabs.end() ? -1 : static_cast<int>(found - tabs.begin());
}

int TabPositionForLastPage(int lastPage, const std::vector<int>& tabs)
{
    return lastPage >= 0 && lastPage < static_cast<int>(tabs.size()) ? lastPage : 0;
}

int PageShownFor(int id, const std::vector<int>& tabs)
{
    if (tabs.empty())
        return -1;
    // Ids above the last page walk down to it; the loop ends at the first tab.
    id = std::min(id, kPageCount);
    while (TabPositionOf(id, tabs) < 0)
        id = id - 1 > 0 ? id - 1 : tabs.front();
    return id;
}

// Header lists ----------------------------------------------------------------

std::string_view FemaleSuffix(std::string_view dataLanguage)
{
    return dataLanguage == "de" ? kSuffixGerman : kSuffixOther;
}

std::string ClassListItem(std::string_view className, bool femaleOnly, std::string_view dataLanguage)
{
    std::string item(className);
    if (femaleOnly)
        item += FemaleSuffix(dataLanguage);
    return item;
}

std::string StripFemaleSuffix(std::string_view item)
{
    for (std::string_view suffix : {kSuffixOther, kSuffixGerman}) {
        if (item.size() > suffix.size() && item.substr(item.size() - suffix.size()) == suffix)
            return std::string(item.substr(0, item.size() - suffix.size()));
    }
    return std::string(item);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    if (prefix.size() > text.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (FoldCase(static_cast<unsigned char>(text[i])) != FoldCase(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

int SelectListItem(const std::vector<std::string>& items, std::string_view value)
{
    if (items.empty())
        return -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (EqualsIgnoringCase(items[i], value) || EqualsIgnoringCase(StripFemaleSuffix(items[i]), value))
            return static_cast<int>(i);
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (StartsWithIgnoringCase(items[i], value))
            return static_cast<int>(i);
    }
    return 0;
}

}  // namespace view_rules
