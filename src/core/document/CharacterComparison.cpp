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

// The names of the fields, English and German.
enum Name : std::size_t {
    kRealm, kRace, kClass, kLevel, kRealmRank, kRealmRankCode,
    kStrength, kConstitution, kDexterity, kQuickness, kIntelligence, kPiety, kEmpathy, kCharisma,
    kPointsEarned, kPointsSpent, kPointsLeft, kLinePrefix, kRealmAbilityPrefix, kRealmAbilityNfPrefix,
    kMasterLevelTrack, kMasterLevel, kNameCount
};
constexpr std::array<std::array<const char*, 2>, kNameCount> kNames = {{
    {"Realm", "Reich"}, {"Race", "Rasse"}, {"Class", "Klasse"}, {"Level", "Level"},
    {"Realm rank", "Reichsrang"}, {"Realm rank code", "Reichsrang-Code"},
    {"Strength", "St\xE4rke"}, {"Constitution", "Konstitution"}, {"Dexterity", "Geschicklichkeit"},
    {"Quickness", "Schnelligkeit"}, {"Intelligence", "Intelligenz"}, {"Piety", "Fr\xF6mmigkeit"},
    {"Empathy", "Empathie"}, {"Charisma", "Charisma"},
    {"Skill points earned", "Skillpunkte erhalten"}, {"Skill points spent", "Skillpunkte ausgegeben"},
    {"Skill points left", "Skillpunkte \xFC" "brig"}, {"Line ", "Linie "}, {"RA ", "RA "}, {"RA NF ", "RA NF "},
    {"Master-level track", "Master-Level-Pfad"}, {"Master level", "Master-Level"},
}};

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

Values Gather(CGameDatabase& database, const CQuillmarDoc& doc, UiLanguage language)
{
    const std::size_t german = language == UiLanguage::German ? 1 : 0;
    const auto name = [german](Name id) { return std::string(kNames[id][german]); };
    doc.ActivateSelection();
    Values values;
    values.Text(name(kRealm), doc.GetRealm());
    values.Text(name(kRace), doc.GetRace());
    values.Text(name(kClass), doc.GetClass());
    values.Text(name(kLevel), LevelText(doc.GetLevel()));
    values.Text(name(kRealmRank), realm_rank::CodeText(doc.GetRealmRank()));
    values.Number(name(kRealmRankCode), doc.GetRealmRank());
    const StatValues totals = doc.GetStatTotals();
    for (int stat = 0; stat < kStatCount; ++stat)
        values.Number(name(static_cast<Name>(kStrength + stat)), totals[static_cast<std::size_t>(stat)]);
    const skills_rules::SkillPoints points = skills_rules::Points(doc);
    values.Number(name(kPointsEarned), points.earned);
    values.Number(name(kPointsSpent), points.used);
    values.Number(name(kPointsLeft), points.rest);
    for (const std::string& line : database.StyleLineNames())
        values.Number(name(kLinePrefix) + line, doc.GetSpecLevel(line));
    for (const std::string& line : database.SpellLineNames())
        values.Number(name(kLinePrefix) + line, doc.GetSpecLevel(line));
    for (const NamedValue& ability : doc.RealmAbilities())
        if (ability.value != 0)
            values.Number(name(kRealmAbilityPrefix) + ability.key, ability.value);
    for (const NamedValue& ability : doc.RealmAbilitiesNf())
        if (ability.value != 0)
            values.Number(name(kRealmAbilityNfPrefix) + ability.key, ability.value);
    const ClassTrackNames tracks = database.MasterLevelTracks();
    values.Text(name(kMasterLevelTrack), doc.GetMasterLevelOption() == 0 ? tracks.first : tracks.second);
    values.Number(name(kMasterLevel), doc.GetMasterLevel());
    return values;
}

}  // namespace

std::string DeltaText(const std::optional<long long>& delta)
{
    if (!delta)
        return {};
    return (*delta > 0 ? "+" : "") + std::to_string(*delta);
}

std::vector<ComparedField> CompareCharacters(CGameDatabase& database, const CQuillmarDoc& a, const CQuillmarDoc& b,
                                             UiLanguage language)
{
    const DatabaseSelection remembered = database.Selection();
    const Values first = Gather(database, a, language);
    const Values second = Gather(database, b, language);
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
