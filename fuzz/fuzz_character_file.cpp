// Arbitrary bytes as a character file, loaded against the shipped German data.
// Besides memory faults this checks that a failed load leaves the document as
// it was, that whatever loads saves again and loads back, and that a second
// round gives the very same bytes. (The first round may differ: an ability that
// is not one of the class's is saved as -1, and several of those become one
// empty entry on the next load.)

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "common/CPrompt.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "document/CharacterFile.h"

namespace {

// Files from newer versions are accepted: they reach more of the reader.
class AcceptingPrompt : public CPrompt {
public:
    PromptAnswer Show(const PromptMessage&) override { return PromptAnswer::Ok; }
};

struct World {
    AcceptingPrompt prompt;
    CGameDatabase database{QUILLMAR_SHIPPED_DATA};
    CAppSettings settings;
    CQuillmarDoc doc{database, settings};
    std::string pristine;  // the bytes of a new document
};

World& TheWorld()
{
    static const std::unique_ptr<World> world = [] {
        auto w = std::make_unique<World>();
        w->database.SetPrompt(&w->prompt, UiLanguage::English);
        w->database.Load("de");
        if (!w->database.IsLoaded())
            std::abort();
        w->doc.New();
        FUZZ_CHECK(CharacterFileBytes(w->doc, w->pristine, UiLanguage::English).ok);
        return w;
    }();
    return *world;
}

std::string Saved(const CQuillmarDoc& doc)
{
    std::string bytes;
    FUZZ_CHECK(CharacterFileBytes(doc, bytes, UiLanguage::English).ok);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    World& world = TheWorld();
    world.doc.New();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const CharacterLoadResult loaded =
        LoadCharacterBytes(world.doc, bytes, "fuzz.chr", &world.prompt, UiLanguage::English);
    if (!loaded.Ok()) {
        FUZZ_CHECK(Saved(world.doc) == world.pristine);  // nothing half-loaded
        return 0;
    }
    std::string first;
    if (!CharacterFileBytes(world.doc, first, UiLanguage::English).ok)
        return 0;  // more options than the layout can count: refused, as it must be
    world.doc.New();
    FUZZ_CHECK(LoadCharacterBytes(world.doc, first, "again.chr", &world.prompt, UiLanguage::English).Ok());
    const std::string second = Saved(world.doc);
    world.doc.New();
    FUZZ_CHECK(LoadCharacterBytes(world.doc, second, "third.chr", &world.prompt, UiLanguage::English).Ok());
    FUZZ_CHECK(Saved(world.doc) == second);
    return 0;
}
