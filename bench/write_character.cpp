// Writes the character that the start-up benchmark opens: level 50 in career
// mode, of the class with the most lines, every line planned at every slot.
//   write_character DATA_ROOT de|en FILE.chr
#include <cstdio>
#include <string>
#include <vector>

#include "common/CPrompt.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/CharacterFile.h"
#include "document/LevelSlot.h"

namespace {

class AnsweringPrompt : public CPrompt {
public:
    PromptAnswer Show(const PromptMessage& message) override
    {
        std::fprintf(stderr, "%s\n", message.text.c_str());
        return PromptAnswer::Ok;
    }
};

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

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s DATA_ROOT de|en FILE.chr\n", argv[0]);
        return 2;
    }
    AnsweringPrompt prompt;
    CGameDatabase database(argv[1]);
    CAppSettings settings;
    database.SetPrompt(&prompt, UiLanguage::English);
    database.Load(argv[2]);
    if (!database.IsLoaded()) {
        std::fprintf(stderr, "the data in %s/%s does not load\n", argv[1], argv[2]);
        return 1;
    }
    CQuillmarDoc doc(database, settings);
    doc.New();
    ChooseClassWithMostLines(database, doc);
    doc.SetLevel(50.0f);
    doc.SetCareerMode(1);
    const std::vector<std::string> lines = doc.SkillLines();
    const int lastSlot = level_slot::SlotOfLevel(50.0f);
    for (int slot = 1; slot <= lastSlot; ++slot) {
        const int level = static_cast<int>(level_slot::LevelOfSlot(slot));
        for (std::size_t i = 0; i < lines.size(); ++i)
            doc.SpecPlan(slot).Set(lines[i], 1 + (level * static_cast<int>(i + 1)) /
                                                     static_cast<int>(lines.size() + 1));
    }
    doc.Recalculate();
    const CharacterSaveResult saved = SaveCharacterFile(doc, argv[3], UiLanguage::English);
    if (!saved.ok) {
        std::fprintf(stderr, "%s\n", saved.error.c_str());
        return 1;
    }
    return 0;
}
