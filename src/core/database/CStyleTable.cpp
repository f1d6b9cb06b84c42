#include "database/CStyleTable.h"

#include <string_view>
#include <utility>

#include "database/CCsvReader.h"

namespace {

struct OpeningWord {
    std::string_view word;
    int kind;
};

// Searched in this order, case-sensitively: the data writes these words either
// lower case or capitalised, and the first hit decides.
constexpr OpeningWord kPositionWords[] = {
    {"front", kOpeningFront}, {"behind", kOpeningBehind}, {"side", kOpeningSide},     {"Front", kOpeningFront},
    {"Behind", kOpeningBehind}, {"Side", kOpeningSide},   {"Ability", kOpeningAbility},
};
constexpr OpeningWord kReactionWords[] = {
    {"evade", kOpeningEvade}, {"block", kOpeningBlock},   {"parry", kOpeningParry},   {"Evade", kOpeningEvade},
    {"Block", kOpeningBlock}, {"Parry", kOpeningParry},   {"target", kOpeningTarget}, {"Target", kOpeningTarget},
};

template <std::size_t N>
int FirstWordKind(const std::string& text, const OpeningWord (&words)[N])
{
    for (const OpeningWord& entry : words) {
        if (text.find(entry.word) != std::string::npos)
            return entry.kind;
    }
    return kOpeningNone;
}

bool ContainsAbility(const std::string& position)
{
    return position.find("Ability") != std::string::npos;
}

}  // namespace

DbResult CStyleTable::LoadStyles(const std::string& folder)
{
    m_records.clear();
    m_indexById.clear();
    CCsvReader reader;
    if (!reader.Open(DataFilePath(folder, "styles.csv")))
        return DbResult::FileMissing;
    m_records.reserve(reader.LineCount());
    DbResult result = DbResult::Loaded;
    // Open has already moved to the first record; asking again only tells
    // whether there is one.
    if (reader.NextLine()) {
        do {
            CStyleInfo style;
            style.id = reader.NextInt();
            style.name = reader.NextField();
            style.level = reader.NextInt();
            style.position = reader.NextField();
            style.reaction = reader.NextField();
            const std::string stealth = reader.NextField();
            if (EqualsNoCase(stealth, "yes")) {
                style.stealth = true;
            } else if (!EqualsNoCase(stealth, "no")) {
                result = DbResult::UnexpectedValue;
                break;
            }
            style.follows = reader.NextInt();
            style.attack = reader.NextField();
            style.defenseBonus = reader.NextField();
            style.fatigueCost = reader.NextField();
            style.damage = reader.NextField();
            style.effect = reader.NextField();
            style.defensePenalty = reader.NextField();
            m_indexById.emplace(style.id, static_cast<int>(m_records.size()));
            m_records.push_back(std::move(style));
        } while (reader.NextLine());
    }
    // The styles kept before a bad line still need their follow-ups, or every
    // follow-up among them would open like a plain style.
    const DbResult followUps = ResolveFollowUps();
    return result != DbResult::Loaded ? result : followUps;
}

DbResult CStyleTable::ResolveFollowUps()
{
    DbResult result = DbResult::Loaded;
    for (CStyleInfo& style : m_records) {
        if (style.follows == 0) {
            style.follows = -1;
            style.followsResolved = true;
            continue;
        }
        const int target = FindById(style.follows);
        if (target < 0) {
            // One dangling id must not cost the styles after it their follow-ups:
            // this one keeps its raw id and reads as following none.
            result = DbResult::UnknownStyle;
            continue;
        }
        style.follows = target;
        style.followsResolved = true;
    }
    return result;
}

int CStyleTable::FindById(std::int32_t id) const
{
    const auto found = m_indexById.find(id);
    return found == m_indexById.end() ? -1 : found->second;
}

int CStyleTable::Follows(int index) const
{
    const CStyleInfo& style = m_records[index];
    if (!style.followsResolved || style.follows < 0 || style.follows >= Count())
        return -1;
    return style.follows;
}

std::string CStyleTable::FollowsName(int index) const
{
    const int followed = Follows(index);
    return followed < 0 ? std::string() : m_records[followed].name;
}

int CStyleTable::Opening(int index) const
{
    const CStyleInfo& style = m_records[index];
    int kind = kOpeningNone;
    if (Follows(index) >= 0) {
        kind = kOpeningFollowUp;
    } else {
        if (!EqualsNoCase(style.position, "any"))
            kind = FirstWordKind(style.position, kPositionWords);
        if (kind == kOpeningNone && !EqualsNoCase(style.reaction, "none"))
            kind = FirstWordKind(style.reaction, kReactionWords);
    }
    if (kind != kOpeningNone && style.stealth)
        kind += kOpeningStealthFlag;
    return kind;
}

DetailRows CStyleTable::Detail(int index) const
{
    const CStyleInfo& style = m_records[index];
    DetailRows rows;
    const auto add = [&rows](const char* label, std::string value) {
        rows.labels.emplace_back(label);
        rows.values.push_back(std::move(value));
    };
    add("name", style.name);
    add("Level", std::to_string(style.level));
    // An ability-opened style has no attack figures worth showing.
    if (ContainsAbility(style.position))
        return rows;

    std::string prerequisite = FollowsName(index);
    if (!EqualsNoCase(style.position, "any"))
        prerequisite += style.position;
    if (!EqualsNoCase(style.reaction, "none"))
        prerequisite += style.reaction;
    if (style.stealth)
        prerequisite += ",Stealthed";
    add("Prerequisite", std::move(prerequisite));
    add("Attack", style.attack);

    std::string defense;
    if (!EqualsNoCase(style.defenseBonus, "none"))
        defense += style.defenseBonus + " Bonus ";
    if (!EqualsNoCase(style.defensePenalty, "none"))
        defense += style.defensePenalty + " Penalty ";
    add("Defense", std::move(defense));
    add("Fatigue Cost", style.fatigueCost);
    add("Damage", style.damage);
    add("Effect", style.effect);
    return rows;
}
