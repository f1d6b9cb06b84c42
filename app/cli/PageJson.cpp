#include "cli/PageJson.h"

#include "cli/pages/PagePrinters.h"

#include <cstdio>

const std::vector<PageEntry>& PrintablePages()
{
    static const std::vector<PageEntry> pages = {
        {"stats", &StatsPageToJson},
        {"skills", &SkillsPageToJson},
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

OrderedJson ColourJson(const std::optional<MarkupColor>& colour)
{
    if (!colour)
        return nullptr;
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", MarkupRed(*colour), MarkupGreen(*colour), MarkupBlue(*colour));
    return text;
}
