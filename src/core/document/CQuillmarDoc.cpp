#include "document/CQuillmarDoc.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CareerComputation.h"
#include "document/CharacterFile.h"
#include "document/GameContent.h"

namespace {

using level_slot::kLast;
using level_slot::LevelOfSlot;

bool Contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

// One setter call, or several nested in one: the history records a single
// step when the outermost ends.
class CQuillmarDoc::StepScope {
public:
    StepScope(CQuillmarDoc& doc, StepName name, bool mergeable = false)
        : m_doc(doc), m_name(std::move(name)), m_mergeable(mergeable)
    {
        if (m_doc.m_stepDepth++ == 0)
            m_doc.StartStep();
    }
    ~StepScope()
    {
        if (--m_doc.m_stepDepth == 0)
            m_doc.FinishStep(std::move(m_name), m_mergeable);
    }
    StepScope(const StepScope&) = delete;
    StepScope& operator=(const StepScope&) = delete;
    StepName& Name() { return m_name; }

private:
    CQuillmarDoc& m_doc;
    StepName m_name;
    bool m_mergeable;
};

CQuillmarDoc::CQuillmarDoc(CGameDatabase& database, CAppSettings& settings)
    : m_database(database), m_settings(settings)
{
}

std::size_t CQuillmarDoc::CheckedSlot(int slot)
{
    assert(slot >= 0 && slot < kSlotCount);
    return static_cast<std::size_t>(std::clamp(slot, 0, kLast));
}

// Observers and the modified flag ---------------------------------------------

void CQuillmarDoc::AddObserver(CDocumentObserver* observer)
{
    if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void CQuillmarDoc::RemoveObserver(CDocumentObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void CQuillmarDoc::UpdateAllViews(int hint)
{
    // A view may remove itself while it refreshes.
    const std::vector<CDocumentObserver*> observers = m_observers;
    for (CDocumentObserver* observer : observers)
        observer->OnViewsUpdated(hint);
}

void CQuillmarDoc::SetModified(bool modified)
{
    if (!modified) {
        std::string image;
        if (CurrentImage(image)) {
            if (m_history.IsEmpty() || image != m_history.Current())
                m_history.Restart(std::move(image), false);
            m_history.MarkSaved();
        }
    } else if (!m_history.IsEmpty() && !m_history.IsModified()) {
        m_history.ForgetSaved();
    }
    SetModifiedFlag(modified);
    NotifyHistoryChanged();
}

// Undo and redo --------------------------------------------------------------------

bool CQuillmarDoc::CurrentImage(std::string& bytes) const
{
    return CharacterFileBytes(*this, bytes, UiLanguage::English).ok;
}

void CQuillmarDoc::StartStep()
{
    m_stepChangedContents = false;
    // The document may have been replaced since the last step (a load).
    std::string image;
    if (CurrentImage(image) && (m_history.IsEmpty() || image != m_history.Current()))
        m_history.Restart(std::move(image), m_modified);
}

void CQuillmarDoc::FinishStep(StepName name, bool mergeable)
{
    std::string image;
    if (m_history.IsEmpty() || !CurrentImage(image))
        return;
    m_history.Record(std::move(image), std::move(name), m_stepChangedContents, mergeable);
    // A change merged back to the saved state leaves the document unmodified.
    if (m_stepChangedContents || m_modified)
        SetModifiedFlag(m_history.IsModified());
    NotifyHistoryChanged();
}

bool CQuillmarDoc::ApplyHistoryState()
{
    // Images this program wrote read back; should one not, nothing moves.
    if (!RestoreCharacterBytes(*this, m_history.Current()))
        return false;
    SetModifiedFlag(m_history.IsModified());
    UpdateAllViews(1);
    NotifyHistoryChanged();
    return true;
}

void CQuillmarDoc::NotifyHistoryChanged()
{
    const std::vector<CDocumentObserver*> observers = m_observers;
    for (CDocumentObserver* observer : observers)
        observer->OnHistoryChanged();
}

bool CQuillmarDoc::Undo()
{
    if (!m_history.Undo())
        return false;
    if (ApplyHistoryState())
        return true;
    m_history.Redo();
    return false;
}

bool CQuillmarDoc::Redo()
{
    if (!m_history.Redo())
        return false;
    if (ApplyHistoryState())
        return true;
    m_history.Undo();
    return false;
}

void CQuillmarDoc::RestoreSavedState(std::int64_t savedPoint, bool modified)
{
    m_history.SetSavedPoint(savedPoint);
    SetModifiedFlag(modified);
}

StepName CQuillmarDoc::LineStep(StepKind kind, std::string_view line) const
{
    StepName name{kind};
    if (const int style = m_database.StyleLines().FindByName(line); style >= 0) {
        name.subjectKind = StepSubject::StyleLine;
        name.subject = style;
    } else if (const int spell = m_database.SpellLines().FindByName(line); spell >= 0) {
        name.subjectKind = StepSubject::SpellLine;
        name.subject = spell;
    }
    return name;
}

void CQuillmarDoc::SetModifiedFlag(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    const std::vector<CDocumentObserver*> observers = m_observers;
    for (CDocumentObserver* observer : observers)
        observer->OnModifiedChanged(modified);
}

// New and Reset ------------------------------------------------------------------

void CQuillmarDoc::Reset()
{
    m_careerMode = 0;
    m_realm.clear();
    m_race.clear();
    m_class.clear();
    m_level = level_slot::kMaxLevel;
    m_realmRank = 0;
    m_extraSpecPoints = 0;
    m_statRaise.fill(0);
    m_autoTrain.Clear();
    for (CNamedValueList& plan : m_specPlan)
        plan.Clear();
    m_respecAt.fill(0);
    m_realmAbilities.Clear();
    m_realmAbilitiesNf.Clear();
    m_options.Clear();
    for (CNamedValueList& result : m_specResult)
        result.Clear();
    m_careerPointsLeft.fill(0);
    m_masterLevelOption = 0;
    m_masterLevel = 0;
}

void CQuillmarDoc::New()
{
    Reset();
    m_boundToFile = 0;
    SetModified(false);
    if (m_settings.Get(setting::DONT_SAVE_SELECTION) != 0)
        return;

    const int lastClass = m_settings.Get(setting::LAST_CLASS);
    const int lastRace = m_settings.Get(setting::LAST_RACE);
    m_realm = RealmName(m_settings.Get(setting::LAST_REALM));
    const CClassTable& classes = m_database.Classes();
    const CRaceTable& races = m_database.Races();
    m_class = lastClass >= 0 && lastClass < classes.Count() ? classes.Name(lastClass) : std::string();
    m_race = lastRace >= 0 && lastRace < races.Count() ? races.Name(lastRace) : std::string();

    m_database.SelectRealmByCode(m_realm);
    const std::vector<std::string> classNames = m_database.ClassNames();
    if (classNames.empty()) {
        m_class.clear();
        m_race.clear();
        m_database.SelectClass("");
        m_database.SelectRace("");
        return;
    }
    if (!Contains(classNames, m_class))
        m_class = classNames.front();
    m_database.SelectClass(m_class);
    // A remembered realm that no longer exists ends up as the realm of the class taken.
    if (m_database.Selection().realm >= 0)
        m_realm = m_database.RealmNameOfSelection();

    const std::vector<std::string> raceNames = m_database.RaceNames();
    if (!Contains(raceNames, m_race))
        m_race = raceNames.empty() ? std::string() : raceNames.front();
    m_database.SelectRace(m_race);
}

// Identity and selection ---------------------------------------------------------

void CQuillmarDoc::SetRealm(std::string_view name)
{
    StepScope step(*this, {StepKind::Realm, StepSubject::Realm, RealmFromCode(name)});
    m_realm = name;
    m_database.SelectRealmByCode(name);
    m_settings.Set(setting::LAST_REALM, RealmFromCode(name));
}

void CQuillmarDoc::SetRace(std::string_view name)
{
    StepScope step(*this, {StepKind::Race, StepSubject::Race, m_database.Races().FindByName(name)});
    m_race = name;
    m_database.SelectRace(name);
    m_settings.Set(setting::LAST_RACE, m_database.Races().FindByName(name));
}

void CQuillmarDoc::SetClass(std::string_view name)
{
    StepScope step(*this, {StepKind::Class, StepSubject::Class, m_database.Classes().FindByName(name)});
    if (name == m_class) {
        m_database.SelectClass(name);
        return;
    }
    m_class = name;
    m_database.SelectClass(name);
    m_statRaise.fill(0);
    for (CNamedValueList& plan : m_specPlan)
        plan.Clear();
    m_settings.Set(setting::LAST_CLASS, m_database.Classes().FindByName(name));
    m_realmAbilities.Clear();
    if (m_careerMode)
        Recalculate();
}

void CQuillmarDoc::ActivateSelection() const
{
    m_database.SelectRealmByCode("");
    m_database.SelectClass("");
    m_database.SelectRace("");
    m_database.SelectRealmByCode(m_realm);
    m_database.SelectClass(m_class);
    m_database.SelectRace(m_race);
}

// Level, rank, points --------------------------------------------------------------

void CQuillmarDoc::SetLevel(float level)
{
    if (std::isnan(level))
        return;
    const float clamped = std::clamp(level, level_slot::kMinLevel, level_slot::kMaxLevel);
    if (clamped == m_level)
        return;
    StepScope step(*this, {StepKind::Level, StepSubject::None, -1, m_level, clamped}, true);
    m_level = clamped;
    // In career mode the level only moves through the plan.
    if (!m_careerMode)
        Modified();
}

void CQuillmarDoc::SetRealmRank(int code)
{
    const int rank = std::clamp(code, 0, kMaxRealmRank);
    StepScope step(*this, {StepKind::RealmRank, StepSubject::None, -1, double(m_realmRank), double(rank)},
                   true);
    m_realmRank = rank;
    Modified();
}

int CQuillmarDoc::GetEffectiveRealmRank() const
{
    if (m_options.Get(doc_option::CoopMode) == 0)
        return m_realmRank;
    return m_realmRank + std::max(0, static_cast<int>(m_level) - 20);
}

void CQuillmarDoc::SetExtraSpecPoints(int points)
{
    if (points == m_extraSpecPoints)
        return;
    StepScope step(
        *this, {StepKind::ExtraSpecPoints, StepSubject::None, -1, double(m_extraSpecPoints), double(points)},
        true);
    m_extraSpecPoints = points;
    if (m_careerMode)
        Recalculate();
    Modified();
}

int CQuillmarDoc::ClassIndex() const
{
    return m_class.empty() ? -1 : m_database.Classes().FindByName(m_class);
}

std::int32_t CQuillmarDoc::SpecPointsAt(int classIndex, float level) const
{
    const std::int64_t earned = classIndex >= 0 ? m_database.Classes().SpecPointsUpTo(classIndex, level) : 0;
    return SaturatedPoints(earned + m_extraSpecPoints);
}

std::int32_t CQuillmarDoc::SkillPointsAtLevel(float level) const
{
    return SpecPointsAt(ClassIndex(), level < 0.0f ? m_level : level);
}

void CQuillmarDoc::AddStatRaise(StatId stat, int delta)
{
    if (stat < 0 || stat >= kStatCount)
        return;
    std::int32_t& raise = m_statRaise[static_cast<std::size_t>(stat)];
    const auto raised =
        static_cast<std::int32_t>(std::clamp<std::int64_t>(std::int64_t{raise} + delta, 0, kMaxStatRaise));
    StepScope step(*this, {StepKind::StatRaise, StepSubject::Stat, stat, double(raise), double(raised)},
                   true);
    raise = raised;
    Modified();
}

StatValues CQuillmarDoc::GetStatTotals() const
{
    const int classIndex = ClassIndex();
    const int raceIndex = m_race.empty() ? -1 : m_database.Races().FindByName(m_race);
    StatValues totals = raceIndex >= 0 ? m_database.Races().Stats(raceIndex) : StatValues{};
    if (classIndex >= 0)
        totals = m_database.Classes().StatsAtLevel(classIndex, totals, m_level);
    for (int stat = 0; stat < kStatCount; ++stat)
        totals[static_cast<std::size_t>(stat)] += m_statRaise[static_cast<std::size_t>(stat)];

    const auto abilityValue = [this](std::string_view name) {
        return m_database.RealmAbilityValue(name, m_realmAbilitiesNf.Get(name));
    };
    const StatId acuity = classIndex >= 0 ? m_database.Classes().Stats(classIndex).casting : kNoStat;
    const auto& abilities = game_content::kStatRaisingAbilities;
    for (std::size_t i = 0; i < abilities.size(); ++i) {
        const StatId stat = i < 4 ? static_cast<StatId>(i) : acuity;
        if (stat < 0 || stat >= kStatCount)
            continue;
        // Only one of the two names exists in a data language; a name that is
        // the same in both must not count twice.
        std::int32_t bonus = abilityValue(abilities[i].german);
        if (abilities[i].english != abilities[i].german)
            bonus += abilityValue(abilities[i].english);
        totals[static_cast<std::size_t>(stat)] += bonus;
    }
    return totals;
}

// Specialisation plan --------------------------------------------------------------

void CQuillmarDoc::SetCareerMode(int on)
{
    const int value = on != 0 ? 1 : 0;
    StepScope step(*this, {StepKind::CareerMode, StepSubject::None, -1, double(m_careerMode), double(value)});
    m_options.SetOrRemove(doc_option::CareerMode, value);
    m_careerMode = value;
    if (m_careerMode)
        Recalculate();
    UpdateAllViews(0);
}

std::int32_t CQuillmarDoc::GetSpecLevel(std::string_view line) const
{
    const std::int32_t level =
        m_careerMode ? m_specResult[CheckedSlot(CurrentSlot())].Get(line) : m_specPlan[kLast].Get(line);
    return level > 1 ? level : 1;
}

bool CQuillmarDoc::HasPlanEntry(std::string_view line) const
{
    return m_specPlan[CheckedSlot(CurrentSlot())].Contains(line);
}

bool CQuillmarDoc::LevelHasEntries() const
{
    return m_careerMode && !m_specPlan[CheckedSlot(CurrentSlot())].IsEmpty();
}

void CQuillmarDoc::SetSpecLevel(std::string_view line, std::int32_t level)
{
    StepScope step(*this, LineStep(StepKind::SpecLevel, line), true);
    step.Name().before = GetSpecLevel(line);
    step.Name().value = level;
    if (!m_careerMode) {
        CNamedValueList& plan = m_specPlan[kLast];
        if (plan.Get(line) != level || (level == 0 && plan.Contains(line))) {
            plan.SetOrRemove(line, level);
            Modified();
        }
        return;
    }
    CNamedValueList& plan = m_specPlan[CheckedSlot(CurrentSlot())];
    const bool isNew = !plan.Contains(line);
    // A 0 stays in the plan: it fixes the line at that level.
    plan.Set(line, level);
    Recalculate();
    if (isNew)
        UpdateAllViews(0);
    Modified();
}

void CQuillmarDoc::SetRespecAt(float level, bool flag)
{
    std::uint8_t& respec = m_respecAt[CheckedSlot(level_slot::SlotOfLevel(level))];
    const std::uint8_t value = flag ? 1 : 0;
    StepScope step(*this, {StepKind::Respec, StepSubject::None, flag ? 1 : 0, double(respec), double(level)});
    const bool changed = respec != value;
    respec = value;
    Recalculate();
    if (changed)
        Modified();
}

void CQuillmarDoc::SnapLevel()
{
    StepScope step(*this, {StepKind::SnapLevel, StepSubject::None, -1, m_level, m_level});
    const std::size_t slot = CheckedSlot(CurrentSlot());
    // The result also keeps lines of a class chosen before; the plan takes only
    // this class's lines, or their costs would count against its points.
    CNamedValueList snapped;
    for (const std::string& line : SkillLines()) {
        if (m_specResult[slot].Contains(line))
            snapped.Set(line, m_specResult[slot].Get(line));
    }
    if (!(snapped == m_specPlan[slot])) {
        m_specPlan[slot] = std::move(snapped);
        Modified();
    }
    UpdateAllViews(0);
}

void CQuillmarDoc::ClearLevel()
{
    StepScope step(*this, {StepKind::ClearLevel, StepSubject::None, -1, m_level, m_level});
    CNamedValueList& plan = m_specPlan[CheckedSlot(CurrentSlot())];
    const bool hadEntries = !plan.IsEmpty();
    plan.Clear();
    Recalculate();
    UpdateAllViews(0);
    if (hadEntries)
        Modified();
}

void CQuillmarDoc::SetAutoTrain(std::string_view line, std::int32_t mask)
{
    StepScope step(*this, LineStep(StepKind::AutoTrain, line));
    step.Name().before = m_autoTrain.Get(line);
    step.Name().value = mask;
    m_autoTrain.SetOrRemove(line, mask);
    if (m_careerMode) {
        Recalculate();
        UpdateAllViews(0);
    }
    Modified();
}

std::vector<std::string> CQuillmarDoc::SkillLines() const
{
    std::vector<std::string> names;
    const int classIndex = ClassIndex();
    if (classIndex < 0)
        return names;
    const CClassTable& classes = m_database.Classes();
    for (const int line : classes.StyleLines(classIndex))
        names.push_back(m_database.StyleLines().Name(line));
    for (const int line : classes.SpellLines(classIndex))
        names.push_back(m_database.SpellLines().Name(line));
    return names;
}

std::int32_t CQuillmarDoc::SkillPointCost(std::int32_t level)
{
    return ::SkillPointCost(level);
}

std::int32_t CQuillmarDoc::AutoTrainAllowance(int characterLevel, std::int32_t mask)
{
    return ::AutoTrainAllowance(characterLevel, mask);
}

std::int32_t CQuillmarDoc::SpentSpecPoints() const
{
    const int wholeLevel = static_cast<int>(m_level);
    std::int64_t spent = 0;
    for (const std::string& line : SkillLines())
        spent += ExactSkillPointCost(GetSpecLevel(line)) - AutoTrainAllowance(wholeLevel, GetAutoTrain(line));
    return SaturatedPoints(spent);
}

std::int32_t CQuillmarDoc::PlanSlotPoints() const
{
    std::int64_t points = 0;
    for (const NamedValue& entry : m_specPlan[CheckedSlot(CurrentSlot())])
        points += ExactSkillPointCost(entry.value);
    const int wholeLevel = static_cast<int>(m_level);
    for (const std::string& line : SkillLines())
        points -= AutoTrainAllowance(wholeLevel, GetAutoTrain(line));
    return SaturatedPoints(points);
}

// The career plan ----------------------------------------------------------------

void CQuillmarDoc::Recalculate()
{
    const std::vector<std::string> lines = SkillLines();
    const int classIndex = ClassIndex();
    SlotArray<std::int32_t> earned{};
    for (int r = 0; r < kSlotCount; ++r)
        earned[static_cast<std::size_t>(r)] = SpecPointsAt(classIndex, LevelOfSlot(r));
    ComputeCareer({lines, earned, m_specPlan, m_respecAt, m_autoTrain}, m_specResult, m_careerPointsLeft);
}

// Realm abilities, options, master levels -----------------------------------------

void CQuillmarDoc::SetRealmAbility(std::string_view name, std::int32_t level)
{
    StepScope step(*this,
                   {StepKind::RealmAbility, StepSubject::RealmAbility,
                    m_database.RealmAbilities().FindForClass(name, ClassIndex()),
                    double(m_realmAbilities.Get(name)), double(level)},
                   true);
    m_realmAbilities.SetOrRemove(name, level);
    Modified();
}

void CQuillmarDoc::SetRealmAbilityNf(std::string_view name, std::int32_t level)
{
    StepScope step(*this,
                   {StepKind::RealmAbilityNf, StepSubject::RealmAbilityNf,
                    m_database.RealmAbilitiesNf().FindForClass(name, ClassIndex()),
                    double(m_realmAbilitiesNf.Get(name)), double(level)},
                   true);
    m_realmAbilitiesNf.SetOrRemove(name, level);
    Modified();
}

void CQuillmarDoc::SetOption(std::string_view key, std::int32_t value)
{
    StepScope step(*this, {StepKind::Option, StepSubject::None, -1, double(m_options.Get(key)), double(value),
                           std::string(key)});
    m_options.SetOrRemove(key, value);
}

void CQuillmarDoc::SetMasterLevelOption(int option)
{
    StepScope step(*this, {StepKind::MasterLevelTrack, StepSubject::None, -1, double(m_masterLevelOption),
                           double(option)});
    m_masterLevelOption = option;
    Modified();
}

void CQuillmarDoc::SetMasterLevel(int level)
{
    StepScope step(
        *this, {StepKind::MasterLevel, StepSubject::None, -1, double(m_masterLevel), double(level)}, true);
    m_masterLevel = level;
    Modified();
}

// Direct access for the character file ----------------------------------------------

void CQuillmarDoc::StoreIdentity(std::string realm, std::string race, std::string className)
{
    m_realm = std::move(realm);
    m_race = std::move(race);
    m_class = std::move(className);
}

void CQuillmarDoc::StoreLevel(float level)
{
    if (!std::isnan(level))
        m_level = std::clamp(level, level_slot::kMinLevel, level_slot::kMaxLevel);
}

void CQuillmarDoc::StoreCareerMode(int on)
{
    m_careerMode = on != 0 ? 1 : 0;
    m_options.SetOrRemove(doc_option::CareerMode, m_careerMode);
}
