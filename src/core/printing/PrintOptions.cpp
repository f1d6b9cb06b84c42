#include "printing/PrintOptions.h"

#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"

namespace sheet {

bool TriStateAll(std::int32_t stored, bool pageOption)
{
    if (stored == 1)
        return true;
    if (stored == -1)
        return false;
    return pageOption;
}

PrintOptions ReadPrintOptions(const CAppSettings& settings, const CQuillmarDoc& doc)
{
    PrintOptions options;
    options.noStyles = settings.Get(setting::PrintNoStyles) == 1;
    options.allStyles =
        TriStateAll(settings.Get(setting::PrintAllStyles), doc.GetOption(doc_option::ShowAllStyles) != 0);
    const std::int32_t sort = settings.Get(setting::PrintStyleSort);
    options.styleSort = sort >= 0 && sort < kStyleSortCount ? static_cast<StyleSort>(sort) : StyleSort::ByLineAndLevel;
    options.noSpells = settings.Get(setting::PrintNoSpells) == 1;
    options.allSpells =
        TriStateAll(settings.Get(setting::PrintAllSpells), doc.GetOption(doc_option::ShowAllSpells) != 0);
    options.spellDescriptions = settings.Get(setting::PrintSpellDesc) == 1;
    options.noRealmAbilities = settings.Get(setting::PrintNoRAs) == 1;
    options.allRealmAbilities = settings.Get(setting::PrintAllRAs) == 1;
    return options;
}

}  // namespace sheet
