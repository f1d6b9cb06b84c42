#include "document/CharacterComparison.h"

#include <array>
#include <cstdio>
#include <map>
#include <set>

#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"
#include "document/RealmRank.h"
#include "pages/skills/SkillsRules.h"

namespace {

constexpr std::array<const char*, kStatCount> kStatNames = {"Strength",     "Constitution", "Dexterity", "Quickness",
                                                           "Intelligence", "Piety",        "Empathy",   "Charisma"};

// What one character shows, gathered while its selection is active.
struct Values {
    std::vector<std::pair<std::string, std::string>> texts;  // in the order shown
    std::map<std::string, long long> numbers;
    std::vector<std::string> numberOrder;

    void Text(const std::string& name, const std::string& value) { texts.emplace_back(name, value); }
    void Number(const std::string& name, long long value)
    {
        if (numbers.emplace(name, value).second)
            numberOrder.push_back(name);
    }
};

std::string LevelText(float level)
{
    char text[16];
    std::snprintf(text, sizeof text, static_cast<float>(static_cast<int>(level)) == level ? "%.0f" : "%.1f", level);
    return text;
}

Values Gather(CGameDatabase& database, const CQuillmarDoc& doc)
{
    doc.ActivateSelection();
    Values values;
    values.Text("Realm", doc.GetRealm());
    values.Text("Race", doc.GetRace());
    values.Text("Class", doc.GetClass());
    values.Text("Level", LevelText(doc.GetLevel()));
    values.Text("Realm rank", realm_rank::CodeText(doc.GetRealmRank()));
    values.Number("Realm rank code", doc.GetRealmRank());
    const StatValues totals = doc.GetStatTotals();
    for (int stat = 0; stat < kStatCount; ++stat)
        values.Number(kStatNames[static_cast<std::size_t>(stat)], totals[static_cast<std::size_t>(stat)]);
    const skills_rules::SkillPoints points = skills_rules::Points(doc);
    values.Number("Skill points earned", points.earned);
    values.Number("Skill points spent", points.used);
    values.Number("Skill points left", points.rest);
    for (const std::string& line : database.StyleLineNames())
        values.Number("Line " + line, doc.GetSpecLevel(line));
    for (const std::string& line : database.SpellLineNames())
        values.Number("Line " + line, doc.GetSpecLevel(line));
    for (const NamedValue& ability : doc.RealmAbilities())
        if (ability.value != 0)
            values.Number("RA " + ability.key, ability.value);
    for (const NamedValue& ability : doc.RealmAbilitiesNf())
        if (ability.value != 0)
            values.Number("RA NF " + ability.key, ability.value);
    const ClassTrackNames tracks = database.MasterLevelTracks();
    values.Text("Master-level track", doc.GetMasterLevelOption() == 0 ? tracks.first : tracks.second);
    values.Number("Master level", doc.GetMasterLevel());
    return values;
}

}  // namespace

std::string DeltaText(const std::optional<long long>& delta)
{
    if (!delta)
        return {};
    return (*delta > 0 ? "+" : "") + std::to_string(*delta);
}

std::vector<ComparedField> CompareCharacters(CGameDatabase& database, const CQuillmarDoc& a, const CQuillmarDoc& b)
{
    const DatabaseSelection remembered = database.Selection();
    const Values first = Gather(database, a);
    const Values second = Gather(database, b);
    database.RestoreSelection(remembered);

    std::vector<ComparedField> fields;
    for (std::size_t i = 0; i < first.texts.size() && i < second.texts.size(); ++i) {
        const std::string& one = first.texts[i].second;
        const std::string& other = second.texts[i].second;
        fields.push_back({first.texts[i].first, one, other, std::nullopt, one != other});
    }
    // Numbers of either side, in the order first met; a line or ability only
    // one of them has counts as 0 for the other.
    std::vector<std::string> order = first.numberOrder;
    const std::set<std::string> known(order.begin(), order.end());
    for (const std::string& name : second.numberOrder)
        if (known.count(name) == 0)
            order.push_back(name);
    for (const std::string& name : order) {
        const auto one = first.numbers.find(name);
        const auto other = second.numbers.find(name);
        const long long x = one == first.numbers.end() ? 0 : one->second;
        const long long y = other == second.numbers.end() ? 0 : other->second;
        fields.push_back({name, std::to_string(x), std::to_string(y), y - x, x != y});
    }
    return fields;
}
