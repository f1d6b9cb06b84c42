#include "support/MiniWorld.h"

#include <filesystem>

MiniWorld::MiniWorld()
{
    folder.CopyFrom(std::filesystem::path(QUILLMAR_TEST_DATA) / "mini");
    const std::string path = Path();
    m_loaded = races.LoadRaces(path) == DbResult::Loaded && styles.LoadStyles(path) == DbResult::Loaded &&
               styleLines.LoadStyleLines(path, styles) == DbResult::Loaded &&
               spells.LoadSpells(path) == DbResult::Loaded &&
               categoryTexts.LoadCategoryTexts(path) == DbResult::Loaded &&
               categories.LoadCategories(path, spells, categoryTexts) == DbResult::Loaded &&
               spellLines.LoadSpellLines(path, categories) == DbResult::Loaded &&
               classes.LoadClasses(path, races, styleLines, spellLines) == DbResult::Loaded;
}

void MiniWorld::AddEmptyLaterFiles()
{
    for (const char* file : {"ras.csv", "rasnf.csv", "abilities_rest.dat", "abilities.dat", "abilities_desc.dat",
                             "malines.csv", "malevel.csv"})
        folder.Write(file, "");
}
