// Arbitrary bytes as a character file, loaded against the shipped German data.
// Besides memory faults this checks that a failed load leaves the document as
// it was, that whatever loads saves again and loads back, and that a second
// round gives the very same bytes. (The first round may differ: an ability that
// is not one of the class's is saved as -1, and several of those become one
// empty entry on the next load.)
#include <string>

#include "ShippedWorld.h"
#include "document/CharacterFile.h"

namespace {

std::string Saved(const CQuillmarDoc& doc)
{
    std::string bytes;
    FUZZ_CHECK(CharacterFileBytes(doc, bytes, UiLanguage::English).ok);
    return bytes;
}

bool Load(ShippedWorld& world, std::string_view bytes)
{
    world.doc.New();
    return LoadCharacterBytes(world.doc, bytes, "fuzz.chr", &world.prompt, UiLanguage::English).Ok();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static ShippedWorld world("de");
    world.doc.New();
    static const std::string pristine = Saved(world.doc);  // the bytes of a new document
    if (!Load(world, FuzzInput(data, size))) {
        FUZZ_CHECK(Saved(world.doc) == pristine);  // nothing half-loaded
        return 0;
    }
    std::string first;
    if (!CharacterFileBytes(world.doc, first, UiLanguage::English).ok)
        return 0;  // more options than the layout can count: refused, as it must be
    FUZZ_CHECK(Load(world, first));
    const std::string second = Saved(world.doc);
    FUZZ_CHECK(Load(world, second));
    FUZZ_CHECK(Saved(world.doc) == second);
    return 0;
}
