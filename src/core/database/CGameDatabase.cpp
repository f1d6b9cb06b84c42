#include "database/CGameDatabase.h"

#include <filesystem>

namespace {

constexpr const char* kClosingLineGerman = "\xC3\x9C" "berpr\xC3\xBC" "fen Sie ihre Installation und/oder wenden Sie sich an den Entwickler :)";
constexpr const char* kClosingLineEnglish = "Check you installation or contact the development team";
constexpr const char* kMissingFolderGerman = "Kann Verzeichnis nicht \xC3\xB6" "ffnen.";
constexpr const char* kMissingFolderEnglish = "Can't open directory.";
constexpr const char* kErrorCaption = "Quillmar-Error";
constexpr const char* kApplicationTitle = "Quillmar";

}  // namespace

CGameDatabase::CGameDatabase(std::string dataRoot) : m_dataRoot(std::move(dataRoot)) {}

void CGameDatabase::SetPrompt(CPrompt* prompt, UiLanguage language)
{
    m_prompt = prompt;
    m_language = language;
}

void CGameDatabase::ClearTables()
{
    m_classes = CClassTable();
    m_races = CRaceTable();
    m_styles = CStyleTable();
    m_styleLines = CStyleLineTable();
    m_spells = CSpellTable();
    m_spellCategories = CSpellCategoryTable();
    m_spellLines = CSpellLineTable();
    m_spellCategoryTexts = CSpellCategoryTextTable();
    m_realmAbilities = CRealmAbilityTable();
    m_realmAbilitiesNf = CRealmAbilityNfTable();
    m_abilities = CAbilityTable();
    m_masterLevels = CMasterLevelTable();
}

void CGameDatabase::Load(const std::string& folder)
{
    // Always start empty: a reload in another language keeps no record of the first.
    ClearTables();
    m_loaded = false;
    m_folder = folder;

    // File names are joined with the folder; the process's working folder stays as it is.
    const std::string path = DataFilePath(m_dataRoot, folder);
    std::error_code error;
    if (!std::filesystem::is_directory(path, error)) {
        if (m_prompt) {
            m_prompt->Show({kApplicationTitle,
                            m_language == UiLanguage::German ? kMissingFolderGerman : kMissingFolderEnglish,
                            PromptIcon::Error, PromptButtons::Ok});
        }
        return;
    }

    const auto step = [&](DbResult result, const char* fileName) {
        if (result != DbResult::Loaded)
            ReportLoadError(static_cast<int>(result), "File: " + folder + "/" + fileName);
    };
    // Each loader resolves against the tables loaded before it.
    step(m_races.LoadRaces(path), "races.csv");
    step(m_styles.LoadStyles(path), "styles.csv");
    step(m_styleLines.LoadStyleLines(path, m_styles), "stylelines.dat");
    step(m_spells.LoadSpells(path), "spells.csv");
    step(m_spellCategoryTexts.LoadCategoryTexts(path), "spellscat_descriptions.dat");
    step(m_spellCategories.LoadCategories(path, m_spells, m_spellCategoryTexts), "spellscat.dat");
    step(m_spellLines.LoadSpellLines(path, m_spellCategories), "spelllines.dat");
    step(m_classes.LoadClasses(path, m_races, m_styleLines, m_spellLines), "classes.dat");
    step(m_realmAbilities.LoadRealmAbilities(path, m_classes), "ras.csv");
    step(m_realmAbilitiesNf.LoadRealmAbilitiesNf(path, m_classes), "rasnf.csv");
    step(m_abilities.LoadAbilities(path, m_classes, m_spellLines, m_styleLines), "abilities.dat (_rest / _desc)");
    step(m_masterLevels.LoadMasterLevels(path, m_classes), "malevel.csv");
    m_loaded = true;
}

void CGameDatabase::ReportLoadError(int code, const std::string& detail)
{
    if (code == 0 || !m_prompt)
        return;
    const bool german = m_language == UiLanguage::German;
    std::string text = DbResultText(code, m_language);
    text += "\n";
    text += detail;
    text += "\n";
    text += german ? kClosingLineGerman : kClosingLineEnglish;
    m_prompt->Show({kErrorCaption, text, PromptIcon::Error, PromptButtons::Ok});
}

// Selection ------------------------------------------------------------------

void CGameDatabase::ClearClassDependents()
{
    m_selection.styleLine = -1;
    m_selection.style = -1;
    m_selection.spellLine = -1;
    m_selection.spellCategory = -1;
    m_selection.spell = -1;
    m_selection.realmAbility = -1;
    m_selection.realmAbilityNf = -1;
    m_selection.masterLevelTrack = -1;
}

void CGameDatabase::SelectRealmByCode(std::string_view code)
{
    m_selection.realm = ::RealmFromCode(code);
}

void CGameDatabase::SelectClass(std::string_view name)
{
    if (name.empty()) {
        m_selection.classIndex = -1;
        return;
    }
    m_selection.classIndex = m_classes.FindByName(name);
    if (m_selection.classIndex >= 0)
        m_selection.realm = m_classes.RealmOf(m_selection.classIndex);
    ClearClassDependents();
}

void CGameDatabase::SelectRace(std::string_view name)
{
    if (name.empty()) {
        m_selection.race = -1;
        return;
    }
    m_selection.race = m_races.FindByName(name);
    if (m_selection.race >= 0)
        m_selection.realm = m_races.RealmOf(m_selection.race);
}

void CGameDatabase::SelectStyleLine(std::string_view name)
{
    const int cls = m_selection.classIndex;
    m_selection.styleLine = (name.empty() || cls < 0) ? -1 : m_classes.FindStyleLine(cls, name);
}

void CGameDatabase::SelectStyle(std::string_view name)
{
    const int line = m_selection.styleLine;
    m_selection.style = (name.empty() || line < 0) ? -1 : m_styleLines.FindStyle(line, name);
}

void CGameDatabase::SelectSpellLine(std::string_view name)
{
    const int cls = m_selection.classIndex;
    m_selection.spellLine = (name.empty() || cls < 0) ? -1 : m_classes.FindSpellLine(cls, name);
}

void CGameDatabase::SelectSpellCategory(std::string_view name, bool base)
{
    const int line = m_selection.spellLine;
    m_selection.spellCategory = (name.empty() || line < 0) ? -1 : m_spellLines.FindCategory(line, name, base);
}

void CGameDatabase::SelectSpell(std::string_view name, std::int32_t level)
{
    const int category = m_selection.spellCategory;
    m_selection.spell = (name.empty() || category < 0) ? -1 : m_spellCategories.FindSpell(category, name, level);
}

void CGameDatabase::SelectRealmAbility(std::string_view name)
{
    m_selection.realmAbility = name.empty() ? -1 : m_realmAbilities.FindForClass(name, m_selection.classIndex);
}

void CGameDatabase::SelectRealmAbilityNf(std::string_view name)
{
    m_selection.realmAbilityNf =
        name.empty() ? -1 : m_realmAbilitiesNf.FindForClass(name, m_selection.classIndex);
}

void CGameDatabase::SelectMasterLevel(std::string_view name)
{
    m_selection.masterLevelTrack =
        name.empty() ? -1 : m_masterLevels.FindTrack(m_selection.classIndex, name);
}

// Identity -------------------------------------------------------------------

std::string CGameDatabase::ClassName() const
{
    return m_selection.classIndex >= 0 ? m_classes.Name(m_selection.classIndex) : std::string();
}

std::string CGameDatabase::RaceName() const
{
    return m_selection.race >= 0 ? m_races.Name(m_selection.race) : std::string();
}

std::vector<std::string> CGameDatabase::ClassNames() const
{
    return m_classes.NamesOfRealm(m_selection.realm);
}

std::vector<std::string> CGameDatabase::RaceNames() const
{
    if (m_selection.classIndex >= 0)
        return m_classes.RaceNames(m_selection.classIndex);
    return m_races.NamesOfRealm(m_selection.realm);
}

// Class and race figures -----------------------------------------------------

ClassStatIds CGameDatabase::ClassStats() const
{
    return m_selection.classIndex >= 0 ? m_classes.Stats(m_selection.classIndex) : ClassStatIds{};
}

ClassHitPointRule CGameDatabase::ClassHitPoints() const
{
    return m_selection.classIndex >= 0 ? m_classes.HitPoints(m_selection.classIndex) : ClassHitPointRule{};
}

std::int32_t CGameDatabase::SpecPointsUpTo(double level) const
{
    return m_selection.classIndex >= 0 ? m_classes.SpecPointsUpTo(m_selection.classIndex, level) : 0;
}

bool CGameDatabase::IsFemaleOnly() const
{
    return m_selection.classIndex >= 0 && m_classes.IsFemaleOnly(m_selection.classIndex);
}

StatValues CGameDatabase::RaceStats() const
{
    return m_selection.race >= 0 ? m_races.Stats(m_selection.race) : StatValues{};
}

StatValues CGameDatabase::StatsAtLevel(double level) const
{
    const StatValues base = RaceStats();
    if (m_selection.classIndex < 0)
        return base;
    return m_classes.StatsAtLevel(m_selection.classIndex, base, level);
}

ClassAbilityList CGameDatabase::ClassAbilities() const
{
    return m_abilities.ClassAbilities(m_selection.classIndex);
}

// Styles ---------------------------------------------------------------------

std::vector<std::string> CGameDatabase::StyleLineNames() const
{
    std::vector<std::string> names;
    if (m_selection.classIndex < 0)
        return names;
    for (const int line : m_classes.StyleLines(m_selection.classIndex))
        names.push_back(m_styleLines.Name(line));
    return names;
}

bool CGameDatabase::IsAutoTrainStyleLine() const
{
    return m_selection.classIndex >= 0 && m_selection.styleLine >= 0 &&
           m_classes.IsAutoTrainStyleLine(m_selection.classIndex, m_selection.styleLine);
}

NamedLevels CGameDatabase::StyleNames() const
{
    return m_selection.styleLine >= 0 ? m_styleLines.StyleList(m_selection.styleLine) : NamedLevels{};
}

DetailRows CGameDatabase::StyleDetail() const
{
    return m_selection.style >= 0 ? m_styles.Detail(m_selection.style) : DetailRows{};
}

std::string CGameDatabase::StyleName() const
{
    return m_selection.style >= 0 ? m_styles.FollowsName(m_selection.style) : std::string();
}

int CGameDatabase::StyleOpening() const
{
    return m_selection.style >= 0 ? m_styles.Opening(m_selection.style) : 0;
}

// Spells ---------------------------------------------------------------------

std::vector<std::string> CGameDatabase::SpellLineNames() const
{
    std::vector<std::string> names;
    if (m_selection.classIndex < 0)
        return names;
    for (const int line : m_classes.SpellLines(m_selection.classIndex))
        names.push_back(m_spellLines.Name(line));
    return names;
}

std::vector<std::string> CGameDatabase::SpellLineNamesWithSpec() const
{
    std::vector<std::string> names;
    if (m_selection.classIndex < 0)
        return names;
    for (const int line : m_classes.SpellLines(m_selection.classIndex)) {
        names.push_back(m_spellLines.Name(line));
        names.push_back(m_spellLines.SpecName(line));
    }
    return names;
}

bool CGameDatabase::IsAutoTrainSpellLine() const
{
    return m_selection.classIndex >= 0 && m_selection.spellLine >= 0 &&
           m_classes.IsAutoTrainSpellLine(m_selection.classIndex, m_selection.spellLine);
}

std::vector<std::string> CGameDatabase::SpellCategoryNames(bool base) const
{
    return m_selection.spellLine >= 0 ? m_spellLines.CategoryNames(m_selection.spellLine, base)
                                      : std::vector<std::string>{};
}

NamedLevels CGameDatabase::SpellNames() const
{
    return m_selection.spellCategory >= 0 ? m_spellCategories.Spells(m_selection.spellCategory) : NamedLevels{};
}

DetailRows CGameDatabase::SpellDetail() const
{
    return m_selection.spell >= 0 ? m_spells.Detail(m_selection.spell) : DetailRows{};
}

std::string CGameDatabase::SpellDamageType() const
{
    return m_selection.spell >= 0 ? m_spells.DamageType(m_selection.spell) : std::string();
}

std::string CGameDatabase::CategoryDescription() const
{
    return m_selection.spellCategory >= 0 ? m_spellCategories.Description(m_selection.spellCategory)
                                          : std::string();
}

std::int32_t CGameDatabase::CategoryDisplayMode() const
{
    return m_selection.spellCategory >= 0 ? m_spellCategories.DisplayMode(m_selection.spellCategory) : 0;
}

std::string CGameDatabase::TopSpellEffect(std::int32_t level) const
{
    if (m_selection.spellCategory < 0)
        return {};
    const int spell = m_spellCategories.BestSpellUpTo(m_selection.spellCategory, level);
    return spell >= 0 ? m_spells.Effect(spell) : std::string();
}

bool CGameDatabase::SpellLineHasSpec() const
{
    return m_selection.spellLine >= 0 && m_spellLines.HasCategories(m_selection.spellLine, false);
}

// Realm abilities ------------------------------------------------------------

RealmAbilityListing CGameDatabase::RealmAbilityList() const
{
    return m_selection.classIndex >= 0 ? m_realmAbilities.ListForClass(m_selection.classIndex)
                                       : m_realmAbilities.ListAll();
}

std::optional<RealmAbilityDetails> CGameDatabase::RealmAbilityDetail() const
{
    const int ability = m_selection.realmAbility;
    if (ability < 0)
        return std::nullopt;
    return RealmAbilityDetails{m_realmAbilities.Name(ability), m_realmAbilities.Description(ability),
                               m_realmAbilities.Reuse(ability), m_realmAbilities.Costs(ability),
                               m_realmAbilities.Prerequisite(ability)};
}

std::vector<std::string> CGameDatabase::RealmAbilityNfList() const
{
    return m_selection.classIndex >= 0 ? m_realmAbilitiesNf.ListForClass(m_selection.classIndex)
                                       : m_realmAbilitiesNf.ListAll();
}

std::optional<RealmAbilityNfDetails> CGameDatabase::RealmAbilityNfDetail() const
{
    const int ability = m_selection.realmAbilityNf;
    if (ability < 0)
        return std::nullopt;
    return RealmAbilityNfDetails{m_realmAbilitiesNf.Name(ability), m_realmAbilitiesNf.Description(ability),
                                 m_realmAbilitiesNf.Info(ability), m_realmAbilitiesNf.Captions(ability)};
}

// Master levels --------------------------------------------------------------

ClassTrackNames CGameDatabase::MasterLevelTracks() const
{
    return m_masterLevels.ClassTracks(m_selection.classIndex);
}

std::vector<std::string> CGameDatabase::MasterLevelAbilities() const
{
    return m_selection.masterLevelTrack >= 0 ? m_masterLevels.TrackLevels(m_selection.masterLevelTrack)
                                             : std::vector<std::string>{};
}

std::optional<MasterLevelTargetTimer> CGameDatabase::MasterLevelInfo(int level) const
{
    if (m_selection.masterLevelTrack < 0)
        return std::nullopt;
    return m_masterLevels.LevelInfo(m_selection.masterLevelTrack, level);
}

std::string CGameDatabase::MasterLevelDescription(int level) const
{
    return m_selection.masterLevelTrack >= 0 ? m_masterLevels.LevelDescription(m_selection.masterLevelTrack, level)
                                             : std::string();
}

DatabaseCounts CGameDatabase::Counts() const
{
    DatabaseCounts counts;
    counts.races = m_races.Count();
    counts.classes = m_classes.Count();
    counts.styles = m_styles.Count();
    counts.styleLines = m_styleLines.Count();
    counts.spells = m_spells.Count();
    counts.spellCategoryTexts = m_spellCategoryTexts.Count();
    counts.spellCategories = m_spellCategories.Count();
    counts.spellLines = m_spellLines.Count();
    counts.realmAbilities = m_realmAbilities.Count();
    counts.realmAbilitiesNf = m_realmAbilitiesNf.Count();
    counts.abilityEntries = m_abilities.EntryCount();
    counts.abilityNames = m_abilities.NameCount();
    counts.masterLevelTracks = m_masterLevels.TrackCount();
    counts.masterLevels = m_masterLevels.LevelCount();
    return counts;
}
