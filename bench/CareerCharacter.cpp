#include "CareerCharacter.h"

#include <string>
#include <vector>

#include "database/CGameDatabase.h"
#include "document/CQuillmarDoc.h"
#include "document/LevelSlot.h"

namespace {

void ChooseClassWithMostLines(CGameDatabase& database, CQuillmarDoc& doc)
{
    std::size_t most = 0;
    std::string best;
    for (const std::string& className : database.ClassNames()) {
        doc.SetClass(className);
        if (doc.SkillLines().size() > most) {
            most = doc.SkillLines().size();
            best = className;
        }
    }
    doc.SetClass(best);
}

}  // namespace

void BuildCareerCharacter(CGameDatabase& database, CQuillmarDoc& doc)
{
    doc.New();
    ChooseClassWithMostLines(database, doc);
    doc.SetLevel(50.0f);
    doc.SetCareerMode(1);
    const std::vector<std::string> lines = doc.SkillLines();
    const int lastSlot = level_slot::SlotOfLevel(50.0f);
    const int lineCount = static_cast<int>(lines.size());
    for (int slot = 1; slot <= lastSlot; ++slot) {
        const int level = static_cast<int>(level_slot::LevelOfSlot(slot));
        for (int i = 0; i < lineCount; ++i)
            doc.SpecPlan(slot).Set(lines[i], 1 + (level * (i + 1)) / (lineCount + 1));
    }
    if (!lines.empty())
        doc.SetAutoTrain(lines.front(), 0x7FE);
    doc.StoreRespecAt(level_slot::SlotOfLevel(25.0f), true);
    const RealmAbilityListing old = database.RealmAbilityList();
    for (std::size_t i = 0; i < old.names.size(); ++i)
        doc.SetRealmAbility(old.names[i], 1 + static_cast<int>(i % 5));
    const std::vector<std::string> nf = database.RealmAbilityNfList();
    for (std::size_t i = 0; i < nf.size(); ++i)
        doc.SetRealmAbilityNf(nf[i], 1 + static_cast<int>(i % 5));
    doc.Recalculate();
}
