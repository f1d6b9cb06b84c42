// Arbitrary data folders through CGameDatabase::Load, then through the queries
// the pages make on what was loaded. The input is the data files in load order,
// separated by NUL bytes (the data files hold none); a file past the last part
// is absent, which exercises the missing-file path. Files go into one language
// folder under /tmp that is reused for every input and removed at exit.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "FuzzDriver.h"
#include "database/CGameDatabase.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kFiles[] = {"races.csv",     "styles.csv",     "stylelines.dat", "spells.csv",
                                  "spellscat_descriptions.dat",      "spellscat.dat",  "spelllines.dat",
                                  "classes.dat",   "ras.csv",        "rasnf.csv",      "abilities_rest.dat",
                                  "abilities.dat", "abilities_desc.dat", "malines.csv", "malevel.csv"};
const fs::path kRoot = fs::temp_directory_path() / ("quillmar-fuzz-" + std::to_string(::getpid()));

void RemoveRoot()
{
    std::error_code error;
    fs::remove_all(kRoot, error);
}

void WalkSpellLine(CGameDatabase& db)
{
    (void)db.IsAutoTrainSpellLine();
    (void)db.SpellLineHasSpec();
    for (const bool base : {true, false}) {
        const auto categories = db.SpellCategoryNames(base);
        ForFirstEntries(categories, [&](std::size_t c) {
            db.SelectSpellCategory(categories[c], base);
            (void)db.CategoryDescription(), (void)db.CategoryDisplayMode(), (void)db.TopSpellEffect(50);
            const NamedLevels spells = db.SpellNames();
            ForFirstEntries(spells.names, [&](std::size_t s) {
                db.SelectSpell(spells.names[s], s < spells.levels.size() ? spells.levels[s] : 0);
                (void)db.SpellDetail(), (void)db.SpellDamageType();
            });
        });
    }
}

void WalkClass(CGameDatabase& db)
{
    (void)db.ClassName(), (void)db.RealmNameOfSelection(), (void)db.ClassStats(), (void)db.ClassHitPoints();
    (void)db.SpecPointsUpTo(50.5), (void)db.IsFemaleOnly(), (void)db.ClassAbilities();
    const auto races = db.RaceNames();
    ForFirstEntries(races, [&](std::size_t r) {
        db.SelectRace(races[r]);
        (void)db.RaceName(), (void)db.RaceStats(), (void)db.StatsAtLevel(50);
    });
    const auto styleLines = db.StyleLineNames();
    ForFirstEntries(styleLines, [&](std::size_t l) {
        db.SelectStyleLine(styleLines[l]);
        (void)db.IsAutoTrainStyleLine();
        const NamedLevels styles = db.StyleNames();
        ForFirstEntries(styles.names, [&](std::size_t s) {
            db.SelectStyle(styles.names[s]);
            (void)db.StyleDetail(), (void)db.StyleName(), (void)db.StyleOpening();
        });
    });
    const auto spellLines = db.SpellLineNames();
    (void)db.SpellLineNamesWithSpec();
    ForFirstEntries(spellLines, [&](std::size_t l) {
        db.SelectSpellLine(spellLines[l]);
        WalkSpellLine(db);
    });
    const RealmAbilityListing abilities = db.RealmAbilityList();
    ForFirstEntries(abilities.names, [&](std::size_t a) {
        db.SelectRealmAbility(abilities.names[a]);
        (void)db.RealmAbilityDetail();
    });
    const auto abilitiesNf = db.RealmAbilityNfList();
    ForFirstEntries(abilitiesNf, [&](std::size_t a) {
        db.SelectRealmAbilityNf(abilitiesNf[a]);
        (void)db.RealmAbilityNfDetail();
        for (int level = -1; level <= 6; ++level)
            (void)db.RealmAbilityValue(abilitiesNf[a], level);
    });
    const ClassTrackNames tracks = db.MasterLevelTracks();
    for (const std::string& track : {tracks.first, tracks.second}) {
        db.SelectMasterLevel(track);
        (void)db.MasterLevelAbilities();
        for (int level = -1; level <= 11; ++level)
            (void)db.MasterLevelInfo(level), (void)db.MasterLevelDescription(level);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::error_code error;
    fs::create_directories(kRoot / "fz", error);
    FUZZ_CHECK(!error);  // the fuzzer's own folder must be writable
    std::atexit(RemoveRoot);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = FuzzInput(data, size);
    std::size_t at = 0;
    for (const char* name : kFiles) {
        const fs::path path = kRoot / "fz" / name;
        std::error_code error;
        fs::remove(path, error);
        if (at > input.size())
            continue;
        const std::size_t end = std::min(input.find('\0', at), input.size());
        std::ofstream(path, std::ios::binary) << input.substr(at, end - at);
        FUZZ_CHECK(fs::exists(path));
        at = end + 1;
    }
    CFuzzPrompt prompt;
    CGameDatabase db(kRoot.string());
    db.SetPrompt(&prompt, UiLanguage::English);
    db.Load("fz");
    FUZZ_CHECK(db.IsLoaded());  // the folder exists, so the load runs to its end
    (void)db.Description("str");
    const auto classes = db.ClassNames();
    ForFirstEntries(classes, [&](std::size_t c) {
        db.SelectClass(classes[c]);
        WalkClass(db);
    });
    // Queries with nothing selected, and with names that match nothing.
    db.SelectClass("");
    db.SelectRealmByCode("nor");
    (void)db.RaceNames(), (void)db.ClassNames();
    db.SelectClass("no such class");
    WalkClass(db);
    // A reload replaces every record: the second load of the same files gives the same counts.
    const DatabaseCounts before = db.Counts();
    db.Load("fz");
    const DatabaseCounts after = db.Counts();
    FUZZ_CHECK(before.classes == after.classes && before.spells == after.spells && before.races == after.races &&
               before.masterLevels == after.masterLevels && before.abilityNames == after.abilityNames);
    return 0;
}
