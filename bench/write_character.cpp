// Writes the character that the start-up benchmark opens: the benchmarks'
// career character (see CareerCharacter.h).
//   write_character DATA_ROOT de|en FILE.chr
#include <cstdio>

#include "CareerCharacter.h"
#include "common/CPrompt.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/CharacterFile.h"

namespace {

class AnsweringPrompt : public CPrompt {
public:
    PromptAnswer Show(const PromptMessage& message) override
    {
        std::fprintf(stderr, "%s\n", message.text.c_str());
        return PromptAnswer::Ok;
    }
};

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
    BuildCareerCharacter(database, doc);
    const CharacterSaveResult saved = SaveCharacterFile(doc, argv[3], UiLanguage::English);
    if (!saved.ok) {
        std::fprintf(stderr, "%s\n", saved.error.c_str());
        return 1;
    }
    return 0;
}
