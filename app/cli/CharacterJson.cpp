#include "cli/CharacterJson.h"

#include <cstdio>

#include "common/Windows1252.h"
#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"
#include "document/LevelSlot.h"
#include "document/RealmRank.h"

namespace {

std::string Utf8(const std::string& text)
{
    return Windows1252ToUtf8(text);
}

std::string VersionText(std::uint32_t version)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", version);
    return text;
}

// One entry per slot that holds something: {slot, level, respec, entries}.
template <typename ListOfSlot>
OrderedJson SlotsToJson(const CQuillmarDoc& doc, ListOfSlot listOfSlot)
{
    OrderedJson slots = OrderedJson::array();
    for (int slot = 0; slot < CQuillmarDoc::kSlotCount; ++slot) {
        const CNamedValueList& list = listOfSlot(slot);
        if (list.IsEmpty())
            continue;
        slots.push_back({{"slot", slot},
                         {"level", level_slot::LevelOfSlot(slot)},
                         {"respec", doc.IsRespecAt(slot)},
                         {"entries", NamedValuesToJson(list)}});
    }
    return slots;
}

}  // namespace

OrderedJson NamedValuesToJson(const CNamedValueList& list)
{
    OrderedJson object = OrderedJson::object();
    for (const NamedValue& pair : list)
        object[Utf8(pair.key)] = pair.value;
    return object;
}

OrderedJson CharacterToJson(const CQuillmarDoc& doc, std::uint32_t version, const std::vector<std::string>& messages)
{
    const CGameDatabase& db = doc.Database();
    const int code = doc.GetRealmRank();
    OrderedJson json;
    json["version"] = VersionText(version);
    json["options"] = NamedValuesToJson(doc.Options());
    json["level"] = doc.GetLevel();
    json["slot"] = doc.CurrentSlot();
    json["realm"] = Utf8(doc.GetRealm());
    json["race"] = Utf8(doc.GetRace());
    json["class"] = Utf8(doc.GetClass());
    json["realmRank"] = {{"code", code},
                         {"text", realm_rank::CodeText(code)},
                         {"points", realm_rank::PointsOf(code).value_or(0)},
                         {"title", Utf8(std::string(realm_rank::Title(code, RealmFromCode(doc.GetRealm()), db)))}};
    json["effectiveRealmRank"] = doc.GetEffectiveRealmRank();
    json["extraSpecPoints"] = doc.GetExtraSpecPoints();
    json["statRaise"] = doc.GetStatRaises();
    json["statTotals"] = doc.GetStatTotals();
    json["plan"] = SlotsToJson(doc, [&doc](int slot) -> const CNamedValueList& { return doc.SpecPlan(slot); });
    if (doc.IsCareerMode())
        json["specResult"] = SlotsToJson(doc, [&doc](int slot) -> const CNamedValueList& { return doc.SpecResult(slot); });
    OrderedJson lineLevels = OrderedJson::object();
    for (const std::string& line : doc.SkillLines())
        lineLevels[Utf8(line)] = doc.GetSpecLevel(line);
    json["lineLevels"] = lineLevels;
    const std::int32_t earned = doc.SkillPointsAtLevel();
    const std::int32_t spent = doc.SpentSpecPoints();
    json["points"] = {{"earned", earned}, {"spent", spent}, {"rest", earned - spent}};
    json["autoTrain"] = NamedValuesToJson(doc.AutoTrainMasks());
    json["realmAbilities"] = NamedValuesToJson(doc.RealmAbilities());
    json["realmAbilitiesNf"] = NamedValuesToJson(doc.RealmAbilitiesNf());
    json["masterLevelOption"] = doc.GetMasterLevelOption();
    json["masterLevel"] = doc.GetMasterLevel();
    json["messages"] = messages;
    return json;
}
