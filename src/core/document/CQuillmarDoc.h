// One planned character: everything the user chose plus the derived career
// plan. Pages read and change the character only through this class; the
// shell wraps it with the file path, the title and the views.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "database/GameTypes.h"
#include "document/CNamedValueList.h"
#include "document/CUndoHistory.h"
#include "document/LevelSlot.h"

class CGameDatabase;
class CAppSettings;

// Told about changes of a document; the document owns no window.
class CDocumentObserver {
public:
    virtual ~CDocumentObserver() = default;
    // 0: contents changed; 1: settings or data language changed, rebuild the page.
    virtual void OnViewsUpdated(int hint) = 0;
    virtual void OnModifiedChanged(bool modified) = 0;
    // A step was recorded, undone or redone, or the saved point moved.
    virtual void OnHistoryChanged() {}
};

// Per-character option keys, spelled as stored.
namespace doc_option {
inline constexpr std::string_view CoopMode = "CoopMode";
inline constexpr std::string_view CareerMode = "CarrerMode";
inline constexpr std::string_view ShowAllSpells = "ShowAllSpells";
inline constexpr std::string_view ShowOnlyTopSpells = "ShowOnlyTopSpells";
inline constexpr std::string_view UseSpellTypeAsName = "UseSpellTypeAsName";
inline constexpr std::string_view ShowAllStyles = "ShowAllStyles";
inline constexpr std::string_view CheckRAPoints = "CheckRAPoints";
}  // namespace doc_option

class CQuillmarDoc {
public:
    static constexpr int kSlotCount = level_slot::kCount;
    static constexpr int kMaxStatRaise = 18;
    static constexpr int kMaxRealmRank = 110;
    static constexpr float kLevelOfCurrent = -1.0f;  // SkillPointsAtLevel: the document's level

    CQuillmarDoc(CGameDatabase& database, CAppSettings& settings);
    CQuillmarDoc(const CQuillmarDoc&) = delete;
    CQuillmarDoc& operator=(const CQuillmarDoc&) = delete;

    // Observers are not owned; remove one before it goes.
    void AddObserver(CDocumentObserver* observer);
    void RemoveObserver(CDocumentObserver* observer);
    void UpdateAllViews(int hint);
    CGameDatabase& Database() const { return m_database; }
    bool IsModified() const { return m_modified; }
    // false: the document is saved (its state becomes the history's saved
    // state); true: it differs from any saved state.
    void SetModified(bool modified);

    // Every setter below is one step of the history, named after what it did;
    // a setter that changes nothing is no step. Undo and Redo restore the
    // character (file binding kept), follow with the modified flag and rebuild
    // the views.
    const CUndoHistory& History() const { return m_history; }
    CUndoHistory& History() { return m_history; }
    bool Undo();
    bool Redo();
    // For the data-language switch, which reads the document back from an
    // equal image: puts back the saved point and the flag as they were.
    void RestoreSavedState(std::int64_t savedPoint, bool modified);

    // A fresh character: Reset, then (unless the settings say not to) the last
    // realm, class and race, corrected to what the database offers.
    void New();
    // Empties every field of the character. The file binding stays; the
    // modified flag is the caller's business.
    void Reset();

    // Loaded from or saved to a file: realm, class and race are locked.
    bool IsBoundToFile() const { return m_boundToFile != 0; }
    void SetBoundToFile(bool bound) { m_boundToFile = bound ? 1 : 0; }

    // Identity and selection.
    const std::string& GetRealm() const { return m_realm; }
    const std::string& GetRace() const { return m_race; }
    const std::string& GetClass() const { return m_class; }
    void SetRealm(std::string_view name);
    void SetRace(std::string_view name);
    void SetClass(std::string_view name);
    void ActivateSelection() const;

    // Level, rank, points.
    float GetLevel() const { return m_level; }
    void SetLevel(float level);
    int CurrentSlot() const { return level_slot::SlotOfLevel(m_level); }
    int GetRealmRank() const { return m_realmRank; }
    void SetRealmRank(int code);
    int GetEffectiveRealmRank() const;
    int GetExtraSpecPoints() const { return m_extraSpecPoints; }
    void SetExtraSpecPoints(int points);
    std::int32_t SkillPointsAtLevel(float level = kLevelOfCurrent) const;
    const std::array<std::int32_t, kStatCount>& GetStatRaises() const { return m_statRaise; }
    void AddStatRaise(StatId stat, int delta);
    StatValues GetStatTotals() const;

    // Specialisation plan.
    int IsCareerMode() const { return m_careerMode; }
    void SetCareerMode(int on);
    std::int32_t GetSpecLevel(std::string_view line) const;
    bool HasPlanEntry(std::string_view line) const;
    bool LevelHasEntries() const;
    void SetSpecLevel(std::string_view line, std::int32_t level);
    void SetRespecAt(float level, bool flag);
    bool IsRespecAt(int slot) const { return m_respecAt[CheckedSlot(slot)] != 0; }
    void SnapLevel();
    void ClearLevel();
    std::int32_t GetAutoTrain(std::string_view line) const { return m_autoTrain.Get(line); }
    void SetAutoTrain(std::string_view line, std::int32_t mask);
    std::int32_t SpentSpecPoints() const;
    std::int32_t PlanSlotPoints() const;
    // The names of the class's skill lines: its style lines, then its spell lines.
    std::vector<std::string> SkillLines() const;

    // The career computation's rules (document/CareerComputation.h), for the
    // pages that know only the document.
    static std::int32_t SkillPointCost(std::int32_t level);
    static std::int32_t AutoTrainAllowance(int characterLevel, std::int32_t mask);

    // The career plan: line levels and points left per slot, from the plan,
    // the respecs and the auto-train masks (see ComputeCareer).
    void Recalculate();
    const CNamedValueList& SpecResult(int slot) const { return m_specResult[CheckedSlot(slot)]; }
    std::int32_t CareerPointsLeft(int slot) const { return m_careerPointsLeft[CheckedSlot(slot)]; }

    // Realm abilities, options, master levels.
    std::int32_t GetRealmAbility(std::string_view name) const { return m_realmAbilities.Get(name); }
    void SetRealmAbility(std::string_view name, std::int32_t level);
    std::int32_t GetRealmAbilityNf(std::string_view name) const { return m_realmAbilitiesNf.Get(name); }
    void SetRealmAbilityNf(std::string_view name, std::int32_t level);
    std::int32_t GetOption(std::string_view key) const { return m_options.Get(key); }
    void SetOption(std::string_view key, std::int32_t value);
    int GetMasterLevelOption() const { return m_masterLevelOption; }
    void SetMasterLevelOption(int option);
    int GetMasterLevel() const { return m_masterLevel; }
    void SetMasterLevel(int level);

    // Direct access for the character file: these neither notify, mark the
    // document modified nor recalculate. Slots are 0..60.
    void StoreIdentity(std::string realm, std::string race, std::string className);
    void StoreLevel(float level);
    void StoreRealmRank(int code) { m_realmRank = code; }
    void StoreExtraSpecPoints(int points) { m_extraSpecPoints = points; }
    void StoreStatRaises(const std::array<std::int32_t, kStatCount>& raises) { m_statRaise = raises; }
    void StoreCareerMode(int on);
    void StoreMasterLevels(int option, int level)
    {
        m_masterLevelOption = option;
        m_masterLevel = level;
    }
    void StoreRespecAt(int slot, bool flag) { m_respecAt[CheckedSlot(slot)] = flag ? 1 : 0; }
    const CNamedValueList& SpecPlan(int slot) const { return m_specPlan[CheckedSlot(slot)]; }
    CNamedValueList& SpecPlan(int slot) { return m_specPlan[CheckedSlot(slot)]; }
    const CNamedValueList& AutoTrainMasks() const { return m_autoTrain; }
    CNamedValueList& AutoTrainMasks() { return m_autoTrain; }
    const CNamedValueList& RealmAbilities() const { return m_realmAbilities; }
    CNamedValueList& RealmAbilities() { return m_realmAbilities; }
    const CNamedValueList& RealmAbilitiesNf() const { return m_realmAbilitiesNf; }
    CNamedValueList& RealmAbilitiesNf() { return m_realmAbilitiesNf; }
    const CNamedValueList& Options() const { return m_options; }
    CNamedValueList& Options() { return m_options; }

private:
    class StepScope;
    friend class StepScope;
    static std::size_t CheckedSlot(int slot);
    void SetModifiedFlag(bool modified);
    bool CurrentImage(std::string& bytes) const;
    void StartStep();
    void FinishStep(StepName name, bool mergeable);
    bool ApplyHistoryState();
    void NotifyHistoryChanged();
    StepName LineStep(StepKind kind, std::string_view line) const;
    int ClassIndex() const;
    std::int32_t SpecPointsAt(int classIndex, float level) const;
    void Modified()
    {
        m_stepChangedContents = true;
        SetModifiedFlag(true);
    }

    CGameDatabase& m_database;
    CAppSettings& m_settings;
    std::vector<CDocumentObserver*> m_observers;
    bool m_modified = false;
    CUndoHistory m_history;
    int m_stepDepth = 0;
    bool m_stepChangedContents = false;

    int m_boundToFile = 0;
    int m_careerMode = 0;
    std::string m_realm;
    std::string m_race;
    std::string m_class;
    float m_level = level_slot::kMaxLevel;
    int m_realmRank = 0;
    int m_extraSpecPoints = 0;
    std::array<std::int32_t, kStatCount> m_statRaise{};
    CNamedValueList m_autoTrain;
    std::array<CNamedValueList, kSlotCount> m_specPlan;
    std::array<std::uint8_t, kSlotCount> m_respecAt{};
    CNamedValueList m_realmAbilities;
    CNamedValueList m_realmAbilitiesNf;
    CNamedValueList m_options;
    std::array<CNamedValueList, kSlotCount> m_specResult;
    std::array<std::int32_t, kSlotCount> m_careerPointsLeft{};
    int m_masterLevelOption = 0;
    int m_masterLevel = 0;
};
