#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "database/CGameDatabase.h"
#include "support/MiniWorld.h"
#include "support/RecordingPrompt.h"
#include "support/TempDataFolder.h"

namespace {

using Names = std::vector<std::string>;

const std::string kEnglishClosing = "\nCheck you installation or contact the development team";

// A database rooted at the parent of a folder, loading that folder.
struct LoadedFolder {
    LoadedFolder(const std::filesystem::path& folder, UiLanguage language)
        : database(folder.parent_path().string()), name(folder.filename().string())
    {
        database.SetPrompt(&prompt, language);
        database.Load(name);
    }
    Names Texts() const
    {
        Names texts;
        for (const PromptMessage& message : prompt.messages)
            texts.push_back(message.caption + ": " + message.text);
        return texts;
    }

    RecordingPrompt prompt;
    CGameDatabase database;
    std::string name;
};

TEST(GameDatabaseLoad, MissingFolderShowsOnlyTheDirectoryMessageInTheUiLanguage)
{
    const std::filesystem::path missing = std::filesystem::temp_directory_path() / "no-such-language-folder";
    LoadedFolder english(missing, UiLanguage::English), german(missing, UiLanguage::German);
    EXPECT_EQ(english.Texts(), (Names{"Quillmar: Can't open directory."}));
    EXPECT_EQ(german.Texts(), (Names{"Quillmar: Kann Verzeichnis nicht \xC3\xB6" "ffnen."}));
    EXPECT_EQ(german.prompt.messages[0].buttons, PromptButtons::Ok);
    EXPECT_FALSE(english.database.IsLoaded());

    // A loaded database told to load a missing folder has no data any more.
    MiniWorld world;
    LoadedFolder loaded(world.folder.Path(), UiLanguage::English);
    ASSERT_TRUE(loaded.database.IsLoaded());
    loaded.database.Load(missing.string());
    EXPECT_FALSE(loaded.database.IsLoaded());
    EXPECT_EQ(loaded.database.Counts().classes, 0);
}

// The mini world holds the files up to classes.dat; every later file is missing
// and gets its own box, in load order, while the earlier tables stay filled.
TEST(GameDatabaseLoad, EachFailingFileGetsOneBoxAndLoadingGoesOn)
{
    MiniWorld world;
    LoadedFolder loaded(world.folder.Path(), UiLanguage::English);
    const std::string box = "Quillmar-Error: File not fount:\nFile: " + loaded.name;
    EXPECT_EQ(loaded.Texts(), (Names{box + "/ras.csv" + kEnglishClosing, box + "/rasnf.csv" + kEnglishClosing,
                                     box + "/abilities.dat (_rest / _desc)" + kEnglishClosing,
                                     box + "/malevel.csv" + kEnglishClosing}));
    EXPECT_EQ(loaded.prompt.messages[0].icon, PromptIcon::Error);
    EXPECT_TRUE(loaded.database.IsLoaded());
    EXPECT_EQ(loaded.database.Counts().classes, 4);

    // An unknown realm is code 2; the class of that race then no longer resolves,
    // which is the knock-on code 10 for classes.dat.
    world.folder.Write("races.csv", "Human;nowhere\n");
    world.AddEmptyLaterFiles();
    LoadedFolder german(world.folder.Path(), UiLanguage::German);
    const std::string closing =
        "\n\xC3\x9C" "berpr\xC3\xBC" "fen Sie ihre Installation und/oder wenden Sie sich an den Entwickler :)";
    EXPECT_EQ(german.Texts(),
              (Names{"Quillmar-Error: Ein Realm konnte nicht identifiziert werden oder ist falsch "
                     "zugeordnet.\nFile: " +
                         german.name + "/races.csv" + closing,
                     "Quillmar-Error: Unbekannte Rasse.\nFile: " + german.name + "/classes.dat" + closing}));
}

class GameDatabaseSelection : public ::testing::Test {
protected:
    MiniWorld m_world;
    LoadedFolder m_loaded{m_world.folder.Path(), UiLanguage::English};
    CGameDatabase& db = m_loaded.database;
};

TEST_F(GameDatabaseSelection, ClassDecidesTheDependentFields)
{
    db.SelectClass("Cleric");
    db.SelectStyleLine("Shield");
    db.SelectSpellLine("Restoration");
    db.SelectRace("Human");
    DatabaseSelection expected = db.Selection();
    ASSERT_EQ(expected.spellLine, mini::kRestoration);
    db.SelectClass("");  // clears only the class
    expected.classIndex = -1;
    EXPECT_EQ(db.Selection(), expected);

    // Without a class no line can be chosen.
    db.SelectStyleLine("Shield");
    db.SelectSpellLine("Restoration");
    EXPECT_EQ(db.Selection().styleLine, -1);
    EXPECT_EQ(db.Selection().spellLine, -1);

    db.SelectClass("Cleric");
    db.SelectSpellLine("Restoration");
    db.SelectClass("No Such Class");  // clears the dependent fields, keeps realm and race
    DatabaseSelection cleared;
    cleared.realm = expected.realm;
    cleared.race = mini::kHuman;
    EXPECT_EQ(db.Selection(), cleared);
}

TEST_F(GameDatabaseSelection, ClassAndRaceSetTheRealmAndDriveTheLists)
{
    db.SelectRealmByCode("cal");
    EXPECT_EQ(db.ClassNames(), (Names{"Cleric"}));
    EXPECT_EQ(db.RaceNames(), (Names{"Human", "Highborn"}));
    db.SelectClass("pyromancer");  // names match case-insensitively
    EXPECT_EQ(db.ClassName(), "Pyromancer");
    EXPECT_EQ(db.RealmNameOfSelection(), "Nordhal");
    EXPECT_EQ(db.RaceNames(), (Names{"Dwarf", "Jotun"}));
    EXPECT_EQ(db.SpellLineNamesWithSpec(), (Names{"Flames", "", "Restoration", "Restoration Mastery"}));
    db.SelectSpellLine("Flames");
    db.SelectSpellCategory("Sparks", true);
    EXPECT_EQ(db.SpellNames().names, (Names{"Spark", "Flare"}));
    EXPECT_EQ(db.TopSpellEffect(4), "15 damage");
    EXPECT_EQ(db.TopSpellEffect(5), "40 damage");
    db.SelectClass("Cleric");  // a new class forgets the old class's line
    EXPECT_EQ(db.Selection().spellLine, -1);
    EXPECT_EQ(db.Selection().spellCategory, -1);
}

// Character files store positions and ids, so a file written with one language
// must name the same records in the other.
TEST(ShippedData, BothLanguagesLoadWithoutABoxAndHoldTheSameRecords)
{
    LoadedFolder de(ShippedDataRoot() / "de", UiLanguage::English);
    LoadedFolder en(ShippedDataRoot() / "en", UiLanguage::English);
    EXPECT_EQ(de.Texts(), Names{});
    EXPECT_EQ(en.Texts(), Names{});
    const auto counts = [](const LoadedFolder& folder) {
        const DatabaseCounts c = folder.database.Counts();
        return std::vector<int>{c.races, c.classes, c.styles, c.styleLines, c.spells, c.spellCategories,
                                c.spellLines, c.realmAbilities, c.realmAbilitiesNf, c.abilityEntries, c.masterLevels};
    };
    EXPECT_EQ(counts(de), counts(en));
    const DatabaseCounts a = de.database.Counts(), b = en.database.Counts();
    EXPECT_GE(a.classes, 36);
    EXPECT_GE(a.masterLevelTracks, 6);
    for (int i = 0; i < std::min(a.classes, b.classes); ++i) {
        const CClassInfo& x = de.database.Classes().Info(i);
        const CClassInfo& y = en.database.Classes().Info(i);
        EXPECT_EQ(x.spellLines, y.spellLines) << x.name;
        EXPECT_EQ(x.styleLines, y.styleLines) << x.name;
        EXPECT_EQ(de.database.Abilities().ClassAbilities(i).levels,
                  en.database.Abilities().ClassAbilities(i).levels);
    }
}

}  // namespace
