#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "database/CGameDatabase.h"
#include "support/MiniWorld.h"
#include "support/RecordingPrompt.h"
#include "support/TempDataFolder.h"

namespace {

const std::string kEnglishClosing = "Check you installation or contact the development team";
const std::string kGermanClosing =
    "\xC3\x9C" "berpr\xC3\xBC" "fen Sie ihre Installation und/oder wenden Sie sich an den Entwickler :)";

// A database rooted at the parent of a temporary folder, loading that folder.
struct LoadedFolder {
    explicit LoadedFolder(const TempDataFolder& folder, UiLanguage language = UiLanguage::English)
        : database(folder.Path().parent_path().string()), name(folder.Path().filename().string())
    {
        database.SetPrompt(&prompt, language);
        database.Load(name);
    }

    RecordingPrompt prompt;
    CGameDatabase database;
    std::string name;
};

std::vector<std::string> Texts(const RecordingPrompt& prompt)
{
    std::vector<std::string> texts;
    for (const PromptMessage& message : prompt.messages)
        texts.push_back(message.text);
    return texts;
}

TEST(GameDatabaseLoad, MissingFolderShowsOnlyTheDirectoryMessageInTheUiLanguage)
{
    struct Case {
        UiLanguage language;
        const char* text;
    };
    for (const Case& c : {Case{UiLanguage::English, "Can't open directory."},
                          Case{UiLanguage::German, "Kann Verzeichnis nicht \xC3\xB6" "ffnen."}}) {
        RecordingPrompt prompt;
        CGameDatabase database(std::filesystem::temp_directory_path().string());
        database.SetPrompt(&prompt, c.language);
        database.Load("no-such-language-folder");

        ASSERT_EQ(prompt.messages.size(), 1u);
        EXPECT_EQ(prompt.messages[0].caption, "Quillmar");
        EXPECT_EQ(prompt.messages[0].text, c.text);
        EXPECT_EQ(prompt.messages[0].buttons, PromptButtons::Ok);
        EXPECT_FALSE(database.IsLoaded());
        const DatabaseCounts counts = database.Counts();
        EXPECT_EQ(counts.races + counts.classes + counts.spells + counts.styles, 0);
    }
}

// The mini world holds the files up to classes.dat; every later file is missing
// and gets its own box, in load order, while the earlier tables stay filled.
TEST(GameDatabaseLoad, EachMissingFileGetsOneBoxAndLoadingGoesOn)
{
    MiniWorld world;
    LoadedFolder loaded(world.folder);
    const std::string& folder = loaded.name;

    const std::vector<std::string> expected = {
        "File not fount:\nFile: " + folder + "/ras.csv\n" + kEnglishClosing,
        "File not fount:\nFile: " + folder + "/rasnf.csv\n" + kEnglishClosing,
        "File not fount:\nFile: " + folder + "/abilities.dat (_rest / _desc)\n" + kEnglishClosing,
        "File not fount:\nFile: " + folder + "/malevel.csv\n" + kEnglishClosing,
    };
    EXPECT_EQ(Texts(loaded.prompt), expected);
    for (const PromptMessage& message : loaded.prompt.messages) {
        EXPECT_EQ(message.caption, "Quillmar-Error");
        EXPECT_EQ(message.icon, PromptIcon::Error);
    }
    EXPECT_TRUE(loaded.database.IsLoaded());
    EXPECT_EQ(loaded.database.Counts().classes, 4);
    EXPECT_EQ(loaded.database.Counts().races, 6);
}

// A loaded database that is told to load a folder that is not there has no
// data any more, and must not claim to have some.
TEST(GameDatabaseLoad, ReloadFromAMissingFolderIsNotLoaded)
{
    MiniWorld world;
    LoadedFolder loaded(world.folder);
    ASSERT_TRUE(loaded.database.IsLoaded());
    loaded.database.Load("no-such-language-folder");
    EXPECT_FALSE(loaded.database.IsLoaded());
    EXPECT_EQ(loaded.database.Counts().classes, 0);
}

TEST(GameDatabaseLoad, ErrorBoxesFollowTheUiLanguageAndTheFailureCode)
{
    MiniWorld world;
    world.folder.Write("ras.csv", "");
    world.folder.Write("rasnf.csv", "");
    world.folder.Write("abilities_rest.dat", "");
    world.folder.Write("abilities.dat", "");
    world.folder.Write("abilities_desc.dat", "");
    world.folder.Write("malines.csv", "");
    world.folder.Write("malevel.csv", "");
    // The realm column of one race is unknown: code 2; the class of that race then
    // no longer resolves, which is the knock-on code 10 for classes.dat.
    world.folder.Write("races.csv", "Human;nowhere;60;60;60;60;60;60;60;60\n");

    LoadedFolder loaded(world.folder, UiLanguage::German);
    ASSERT_GE(loaded.prompt.messages.size(), 2u);
    EXPECT_EQ(loaded.prompt.messages[0].text,
              "Ein Realm konnte nicht identifiziert werden oder ist falsch zugeordnet.\nFile: " + loaded.name +
                  "/races.csv\n" + kGermanClosing);
    EXPECT_EQ(loaded.prompt.messages[1].text,
              "Unbekannte Rasse.\nFile: " + loaded.name + "/classes.dat\n" + kGermanClosing);
}

TEST(GameDatabaseLoad, SecondLoadReplacesEveryRecord)
{
    MiniWorld first;
    TempDataFolder second;
    second.Write("races.csv", "Gnome;caldor;40;40;70;70;80;60;60;60\n");

    RecordingPrompt prompt;
    CGameDatabase database(first.folder.Path().parent_path().string());
    database.SetPrompt(&prompt, UiLanguage::English);
    database.Load(first.folder.Path().filename().string());
    ASSERT_EQ(database.Counts().races, 6);

    database.SetDataRoot(second.Path().parent_path().string());
    database.Load(second.Path().filename().string());
    EXPECT_EQ(database.Folder(), second.Path().filename().string());
    EXPECT_EQ(database.Counts().races, 1);
    EXPECT_EQ(database.Races().FindByName("Human"), -1);
    EXPECT_EQ(database.Counts().classes, 0);
    EXPECT_EQ(database.Counts().spells, 0);
}

class GameDatabaseSelection : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_world.AllLoaded()); }

    MiniWorld m_world;
    LoadedFolder m_loaded{m_world.folder};
    CGameDatabase& db = m_loaded.database;
};

TEST_F(GameDatabaseSelection, EmptyClassNameClearsOnlyTheClass)
{
    db.SelectClass("Cleric");
    db.SelectStyleLine("Shield");
    db.SelectSpellLine("Restoration");
    DatabaseSelection expected = db.Selection();
    ASSERT_EQ(expected.spellLine, mini::kRestoration);

    db.SelectClass("");
    expected.classIndex = -1;
    EXPECT_EQ(db.Selection(), expected);
}

TEST_F(GameDatabaseSelection, UnknownClassClearsTheDependentFieldsButKeepsTheRealm)
{
    db.SelectClass("Cleric");
    db.SelectStyleLine("Shield");
    db.SelectSpellLine("Restoration");
    db.SelectRace("Human");
    const RealmIndex realm = db.Selection().realm;

    db.SelectClass("No Such Class");
    DatabaseSelection expected;
    expected.realm = realm;
    expected.race = mini::kHuman;
    EXPECT_EQ(db.Selection(), expected);
}

TEST_F(GameDatabaseSelection, ClassAndRaceSetTheRealmAndDriveTheLists)
{
    db.SelectRealmByCode("cal");
    EXPECT_EQ(db.ClassNames(), (std::vector<std::string>{"Cleric"}));
    EXPECT_EQ(db.RaceNames(), (std::vector<std::string>{"Human", "Highborn"}));

    db.SelectClass("pyromancer");  // names match case-insensitively
    EXPECT_EQ(db.ClassName(), "Pyromancer");
    EXPECT_EQ(db.RealmNameOfSelection(), CGameDatabase::RealmName(db.Selection().realm));
    EXPECT_EQ(db.RaceNames(), (std::vector<std::string>{"Dwarf", "Jotun"}));
    EXPECT_EQ(db.SpellLineNames(), (std::vector<std::string>{"Flames", "Restoration"}));
    EXPECT_EQ(db.SpellLineNamesWithSpec(),
              (std::vector<std::string>{"Flames", "", "Restoration", "Restoration Mastery"}));

    db.SelectSpellLine("Flames");
    db.SelectSpellCategory("Sparks", true);
    EXPECT_EQ(db.SpellNames().names, (std::vector<std::string>{"Spark", "Flare"}));
    EXPECT_EQ(db.TopSpellEffect(4), "15 damage");
    EXPECT_EQ(db.TopSpellEffect(50), "40 damage");

    db.SelectClass("Cleric");  // a new class forgets the old class's line
    EXPECT_EQ(db.Selection().spellLine, -1);
    EXPECT_EQ(db.Selection().spellCategory, -1);
}

// The shipped data --------------------------------------------------------------

class ShippedData : public ::testing::Test {
protected:
    static void LoadInto(CGameDatabase& database, RecordingPrompt& prompt, const std::string& folder)
    {
        database.SetPrompt(&prompt, UiLanguage::English);
        database.Load(folder);
    }
};

TEST_F(ShippedData, BothLanguagesLoadWithoutAnyBox)
{
    for (const char* folder : {"de", "en"}) {
        RecordingPrompt prompt;
        CGameDatabase database(ShippedDataRoot().string());
        LoadInto(database, prompt, folder);
        EXPECT_EQ(Texts(prompt), std::vector<std::string>{}) << folder;
        const DatabaseCounts counts = database.Counts();
        EXPECT_GE(counts.classes, 36) << folder;
        EXPECT_GE(counts.spellLines, 60) << folder;
        EXPECT_GE(counts.styleLines, 30) << folder;
        EXPECT_GE(counts.realmAbilities, 25) << folder;
        EXPECT_GE(counts.realmAbilitiesNf, 25) << folder;
        EXPECT_GE(counts.masterLevelTracks, 6) << folder;
    }
}

// Character files store positions and ids, so a file written with one language
// must name the same records in the other.
TEST_F(ShippedData, GermanAndEnglishNameTheSameRecords)
{
    RecordingPrompt prompt;
    CGameDatabase de(ShippedDataRoot().string());
    CGameDatabase en(ShippedDataRoot().string());
    LoadInto(de, prompt, "de");
    LoadInto(en, prompt, "en");
    ASSERT_TRUE(prompt.messages.empty());

    const DatabaseCounts a = de.Counts();
    const DatabaseCounts b = en.Counts();
    EXPECT_EQ(a.races, b.races);
    EXPECT_EQ(a.classes, b.classes);
    EXPECT_EQ(a.styles, b.styles);
    EXPECT_EQ(a.styleLines, b.styleLines);
    EXPECT_EQ(a.spells, b.spells);
    EXPECT_EQ(a.spellCategories, b.spellCategories);
    EXPECT_EQ(a.spellCategoryTexts, b.spellCategoryTexts);
    EXPECT_EQ(a.spellLines, b.spellLines);
    EXPECT_EQ(a.realmAbilities, b.realmAbilities);
    EXPECT_EQ(a.realmAbilitiesNf, b.realmAbilitiesNf);
    EXPECT_EQ(a.abilityEntries, b.abilityEntries);
    EXPECT_EQ(a.masterLevelTracks, b.masterLevelTracks);
    EXPECT_EQ(a.masterLevels, b.masterLevels);
    if (::testing::Test::HasFailure())
        return;

    for (int i = 0; i < a.races; ++i) {
        EXPECT_EQ(de.Races().RealmOf(i), en.Races().RealmOf(i)) << "race " << i;
        EXPECT_EQ(de.Races().Stats(i), en.Races().Stats(i)) << "race " << i;
    }
    for (int i = 0; i < a.classes; ++i) {
        const CClassInfo& x = de.Classes().Info(i);
        const CClassInfo& y = en.Classes().Info(i);
        EXPECT_EQ(de.Classes().RealmOf(i), en.Classes().RealmOf(i)) << x.name;
        EXPECT_EQ(x.races, y.races) << x.name;
        EXPECT_EQ(x.styleLines, y.styleLines) << x.name;
        EXPECT_EQ(x.spellLines, y.spellLines) << x.name;
        EXPECT_EQ(x.autoTrainStyleLines, y.autoTrainStyleLines) << x.name;
        EXPECT_EQ(x.autoTrainSpellLines, y.autoTrainSpellLines) << x.name;
        EXPECT_EQ(x.femaleOnly, y.femaleOnly) << x.name;
        EXPECT_EQ(x.specMultiplier, y.specMultiplier) << x.name;
        EXPECT_EQ(x.hitPointBase, y.hitPointBase) << x.name;
        EXPECT_EQ(de.Classes().Stats(i).primary, en.Classes().Stats(i).primary) << x.name;
        EXPECT_EQ(de.Abilities().ClassAbilities(i).levels, en.Abilities().ClassAbilities(i).levels) << x.name;
        EXPECT_EQ(de.Abilities().ClassAbilities(i).kinds, en.Abilities().ClassAbilities(i).kinds) << x.name;
        EXPECT_EQ(de.MasterLevels().ClassTracks(i).first.empty(), en.MasterLevels().ClassTracks(i).first.empty());
    }
    for (int i = 0; i < a.styles; ++i) {
        const CStyleInfo& x = de.Styles().Info(i);
        const CStyleInfo& y = en.Styles().Info(i);
        EXPECT_EQ(x.id, y.id);
        EXPECT_EQ(x.level, y.level) << x.name;
        EXPECT_EQ(x.follows, y.follows) << x.name;
        EXPECT_EQ(x.stealth, y.stealth) << x.name;
        EXPECT_EQ(de.Styles().Opening(i), en.Styles().Opening(i)) << x.name;
    }
    for (int i = 0; i < a.styleLines; ++i) {
        EXPECT_EQ(de.StyleLines().Info(i).id, en.StyleLines().Info(i).id);
        EXPECT_EQ(de.StyleLines().Styles(i), en.StyleLines().Styles(i));
    }
    for (int i = 0; i < a.spells; ++i) {
        EXPECT_EQ(de.Spells().Info(i).id, en.Spells().Info(i).id);
        EXPECT_EQ(de.Spells().Info(i).level, en.Spells().Info(i).level) << de.Spells().Name(i);
    }
    for (int i = 0; i < a.spellCategories; ++i) {
        const CSpellCategoryInfo& x = de.SpellCategories().Info(i);
        const CSpellCategoryInfo& y = en.SpellCategories().Info(i);
        EXPECT_EQ(x.id, y.id);
        EXPECT_EQ(x.description, y.description) << x.name;
        EXPECT_EQ(x.displayMode, y.displayMode) << x.name;
        EXPECT_EQ(x.spells, y.spells) << x.name;
    }
    for (int i = 0; i < a.spellLines; ++i) {
        const CSpellLineInfo& x = de.SpellLines().Info(i);
        const CSpellLineInfo& y = en.SpellLines().Info(i);
        EXPECT_EQ(x.id, y.id);
        EXPECT_EQ(x.baseCategories, y.baseCategories) << x.name;
        EXPECT_EQ(x.specCategories, y.specCategories) << x.name;
        EXPECT_EQ(x.specName.empty(), y.specName.empty()) << x.name;
    }
    for (int i = 0; i < a.realmAbilities; ++i) {
        const CRealmAbilityInfo& x = de.RealmAbilities().Info(i);
        const CRealmAbilityInfo& y = en.RealmAbilities().Info(i);
        EXPECT_EQ(x.kind, y.kind) << x.name;
        EXPECT_EQ(x.reuse, y.reuse) << x.name;
        EXPECT_EQ(x.costs, y.costs) << x.name;
        EXPECT_EQ(x.prerequisite, y.prerequisite) << x.name;
        EXPECT_EQ(x.prerequisiteLevel, y.prerequisiteLevel) << x.name;
        EXPECT_EQ(x.classes, y.classes) << x.name;
    }
    for (int i = 0; i < a.realmAbilitiesNf; ++i) {
        const RealmAbilityNfSummary x = de.RealmAbilitiesNf().Info(i);
        const RealmAbilityNfSummary y = en.RealmAbilitiesNf().Info(i);
        EXPECT_EQ(x.group, y.group) << de.RealmAbilitiesNf().Name(i);
        EXPECT_EQ(x.kind, y.kind) << de.RealmAbilitiesNf().Name(i);
        EXPECT_EQ(de.RealmAbilitiesNf().Classes(i), en.RealmAbilitiesNf().Classes(i));
        for (int level = 1; level <= 5; ++level) {
            EXPECT_EQ(de.RealmAbilitiesNf().ValueAtLevel(de.RealmAbilitiesNf().Name(i), level),
                      en.RealmAbilitiesNf().ValueAtLevel(en.RealmAbilitiesNf().Name(i), level))
                << de.RealmAbilitiesNf().Name(i) << " level " << level;
        }
    }
    for (int track = 0; track < a.masterLevelTracks; ++track) {
        EXPECT_EQ(de.MasterLevels().TrackLevels(track).size(), en.MasterLevels().TrackLevels(track).size());
        for (int level = 1; level <= 10; ++level) {
            const auto x = de.MasterLevels().LevelInfo(track, level);
            const auto y = en.MasterLevels().LevelInfo(track, level);
            ASSERT_EQ(x.has_value(), y.has_value()) << "track " << track << " level " << level;
            if (x) {
                EXPECT_EQ(x->timer, y->timer) << "track " << track << " level " << level;
            }
        }
    }
}

TEST_F(ShippedData, EnglishWithoutNewRulesFileShowsExactlyOneBox)
{
    TempDataFolder copy;
    const std::filesystem::path en = copy.Path() / "en";
    std::filesystem::create_directory(en);
    std::filesystem::copy(ShippedDataRoot() / "en", en);
    std::filesystem::remove(en / "rasnf.csv");

    RecordingPrompt prompt;
    CGameDatabase database(copy.PathText());
    LoadInto(database, prompt, "en");

    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].caption, "Quillmar-Error");
    EXPECT_EQ(prompt.messages[0].text, "File not fount:\nFile: en/rasnf.csv\n" + kEnglishClosing);
    EXPECT_EQ(database.Counts().realmAbilitiesNf, 0);
    EXPECT_GT(database.Counts().realmAbilities, 0);
    EXPECT_GT(database.Counts().masterLevels, 0);
}

}  // namespace
