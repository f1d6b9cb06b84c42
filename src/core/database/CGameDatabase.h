// All game content of one data language, with the current selection through
// which pages, document and printing ask their questions: select by name first,
// then ask for lists and details of what is selected.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/CPrompt.h"
#include "common/UiLanguage.h"
#include "database/CAbilityTable.h"
#include "database/CClassTable.h"
#include "database/CMasterLevelTable.h"
#include "database/CRaceTable.h"
#include "database/CRealmAbilityNfTable.h"
#include "database/CRealmAbilityTable.h"
#include "database/CSpellCategoryTable.h"
#include "database/CSpellCategoryTextTable.h"
#include "database/CSpellLineTable.h"
#include "database/CSpellTable.h"
#include "database/CStyleLineTable.h"
#include "database/CStyleTable.h"
#include "database/GameTypes.h"

// The current-selection cursor: each field an index into its table, -1 for none.
struct DatabaseSelection {
    RealmIndex realm = kNoRealm;
    int classIndex = -1;
    int race = -1;
    int styleLine = -1;
    int style = -1;
    int spellLine = -1;
    int spellCategory = -1;
    int spell = -1;
    int realmAbility = -1;
    int realmAbilityNf = -1;
    int masterLevelTrack = -1;

    bool operator==(const DatabaseSelection&) const = default;
};

struct RealmAbilityDetails {
    std::string name;
    std::string description;
    std::int32_t reuse = 0;
    std::array<std::int32_t, 5> costs{};
    RealmAbilityPrerequisite prerequisite;
};

struct RealmAbilityNfDetails {
    std::string name;
    std::string description;
    RealmAbilityNfSummary info;
    std::array<std::string, 5> captions;
};

// Record counts of every table, for summaries.
struct DatabaseCounts {
    int races = 0, classes = 0, styles = 0, styleLines = 0, spells = 0, spellCategoryTexts = 0,
        spellCategories = 0, spellLines = 0, realmAbilities = 0, realmAbilitiesNf = 0,
        abilityEntries = 0, abilityNames = 0, masterLevelTracks = 0, masterLevels = 0;
};

class CGameDatabase {
public:
    // dataRoot is the folder that holds the language folders ("de", "en").
    explicit CGameDatabase(std::string dataRoot = ".");
    // The tables refer to each other; a copy would point into the original.
    CGameDatabase(const CGameDatabase&) = delete;
    CGameDatabase& operator=(const CGameDatabase&) = delete;

    const std::string& DataRoot() const { return m_dataRoot; }
    void SetDataRoot(std::string dataRoot) { m_dataRoot = std::move(dataRoot); }
    // Where load errors are shown and in which language; without a prompt they are dropped.
    void SetPrompt(CPrompt* prompt, UiLanguage language);
    UiLanguage Language() const { return m_language; }

    // Loads every file of the language folder; each failing file is reported
    // and loading goes on with the next one.
    void Load(const std::string& folder);
    void ReportLoadError(int code, const std::string& detail);
    bool IsLoaded() const { return m_loaded; }
    // The data folder name, which is the data language code.
    const std::string& Folder() const { return m_folder; }

    static RealmIndex RealmFromCode(std::string_view code) { return ::RealmFromCode(code); }
    static std::string RealmName(RealmIndex realm) { return ::RealmName(realm); }
    static std::vector<std::string> RealmNames() { return ::RealmNames(); }
    static StatId StatFromName(std::string_view name) { return ::StatFromName(name); }

    // Selection.
    const DatabaseSelection& Selection() const { return m_selection; }
    // Puts back a selection taken with Selection(), dependents included: a
    // page that walks other classes leaves the character's selection as it was.
    void RestoreSelection(const DatabaseSelection& selection) { m_selection = selection; }
    void SelectRealmByCode(std::string_view code);
    void SelectClass(std::string_view name);
    void SelectRace(std::string_view name);
    void SelectStyleLine(std::string_view name);
    void SelectStyle(std::string_view name);
    void SelectSpellLine(std::string_view name);
    void SelectSpellCategory(std::string_view name, bool base);
    void SelectSpell(std::string_view name, std::int32_t level);
    void SelectRealmAbility(std::string_view name);
    void SelectRealmAbilityNf(std::string_view name);
    void SelectMasterLevel(std::string_view name);

    // Identity of the selection.
    std::string ClassName() const;
    std::string RaceName() const;
    std::string RealmNameOfSelection() const { return ::RealmName(m_selection.realm); }
    std::vector<std::string> ClassNames() const;
    std::vector<std::string> RaceNames() const;

    // Class and race figures.
    ClassStatIds ClassStats() const;
    ClassHitPointRule ClassHitPoints() const;
    std::int32_t SpecPointsUpTo(double level) const;
    bool IsFemaleOnly() const;
    StatValues RaceStats() const;
    StatValues StatsAtLevel(double level) const;
    ClassAbilityList ClassAbilities() const;
    std::string Description(std::string_view key) const { return m_abilities.Description(key); }

    // Styles.
    std::vector<std::string> StyleLineNames() const;
    bool IsAutoTrainStyleLine() const;
    NamedLevels StyleNames() const;
    DetailRows StyleDetail() const;
    std::string StyleName() const;
    int StyleOpening() const;

    // Spells.
    std::vector<std::string> SpellLineNames() const;
    std::vector<std::string> SpellLineNamesWithSpec() const;
    bool IsAutoTrainSpellLine() const;
    std::vector<std::string> SpellCategoryNames(bool base) const;
    NamedLevels SpellNames() const;
    DetailRows SpellDetail() const;
    std::string SpellDamageType() const;
    std::string CategoryDescription() const;
    std::int32_t CategoryDisplayMode() const;
    std::string TopSpellEffect(std::int32_t level) const;
    bool SpellLineHasSpec() const;

    // Realm abilities.
    RealmAbilityListing RealmAbilityList() const;
    std::optional<RealmAbilityDetails> RealmAbilityDetail() const;
    std::vector<std::string> RealmAbilityNfList() const;
    std::optional<RealmAbilityNfDetails> RealmAbilityNfDetail() const;
    std::int32_t RealmAbilityValue(std::string_view name, int level) const
    {
        return m_realmAbilitiesNf.ValueAtLevel(name, level);
    }

    // Master levels.
    ClassTrackNames MasterLevelTracks() const;
    std::vector<std::string> MasterLevelAbilities() const;
    std::optional<MasterLevelTargetTimer> MasterLevelInfo(int level) const;
    std::string MasterLevelDescription(int level) const;

    // The tables, for the file formats and the pages that walk them.
    const CRaceTable& Races() const { return m_races; }
    const CClassTable& Classes() const { return m_classes; }
    const CStyleTable& Styles() const { return m_styles; }
    const CStyleLineTable& StyleLines() const { return m_styleLines; }
    const CSpellTable& Spells() const { return m_spells; }
    const CSpellCategoryTable& SpellCategories() const { return m_spellCategories; }
    const CSpellLineTable& SpellLines() const { return m_spellLines; }
    const CSpellCategoryTextTable& SpellCategoryTexts() const { return m_spellCategoryTexts; }
    const CRealmAbilityTable& RealmAbilities() const { return m_realmAbilities; }
    const CRealmAbilityNfTable& RealmAbilitiesNf() const { return m_realmAbilitiesNf; }
    const CAbilityTable& Abilities() const { return m_abilities; }
    const CMasterLevelTable& MasterLevels() const { return m_masterLevels; }
    DatabaseCounts Counts() const;

private:
    void ClearTables();
    void ClearClassDependents();

    std::string m_dataRoot;
    CPrompt* m_prompt = nullptr;
    UiLanguage m_language = UiLanguage::English;

    std::string m_folder;
    DatabaseSelection m_selection;
    CClassTable m_classes;
    CRaceTable m_races;
    CStyleTable m_styles;
    CStyleLineTable m_styleLines;
    CSpellTable m_spells;
    CSpellCategoryTable m_spellCategories;
    CSpellLineTable m_spellLines;
    CSpellCategoryTextTable m_spellCategoryTexts;
    CRealmAbilityTable m_realmAbilities;
    CRealmAbilityNfTable m_realmAbilitiesNf;
    CAbilityTable m_abilities;
    CMasterLevelTable m_masterLevels;
    bool m_loaded = false;
};
