#include "cli/PageJson.h"

#include "cli/pages/PagePrinters.h"

const std::vector<PageEntry>& PrintablePages()
{
    static const std::vector<PageEntry> pages = {
        {"spells", &SpellsPageToJson},
        {"styles", &StylesPageToJson},
        {"ra", &RealmAbilitiesPageToJson},
        {"ranf", &RealmAbilitiesNfPageToJson},
        {"ml", &MasterLevelsPageToJson},
        {"resists", &ResistsPageToJson},
    };
    return pages;
}

std::vector<std::string> PrintablePageNames()
{
    std::vector<std::string> names;
    for (const PageEntry& page : PrintablePages())
        names.emplace_back(page.name);
    return names;
}

PagePrinter FindPagePrinter(const std::string& name)
{
    for (const PageEntry& page : PrintablePages())
        if (name == page.name)
            return page.print;
    return nullptr;
}
