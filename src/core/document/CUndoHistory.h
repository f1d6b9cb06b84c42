// The undo history of one document. Each state of the document is its
// character-file image (record numbers, not names, so the history outlives a
// change of the data language). Only the current image is kept whole; a step
// keeps the byte range that differs from the state before it, both ways, which
// for a typical change is a few bytes.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What a step did, in terms that outlive a change of the data language: the
// subject is a record's position in its table, and the interface builds the
// text from it with the names of the moment.
enum class StepKind {
    Level,
    RealmRank,
    Realm,
    Race,
    Class,
    StatRaise,
    ExtraSpecPoints,
    CareerMode,
    SpecLevel,
    Respec,
    SnapLevel,
    ClearLevel,
    AutoTrain,
    RealmAbility,
    RealmAbilityNf,
    MasterLevelTrack,
    MasterLevel,
    Option,
};

enum class StepSubject { None, Stat, Realm, Race, Class, StyleLine, SpellLine, RealmAbility, RealmAbilityNf };

struct StepName {
    StepName() = default;
    StepName(StepKind kind_, StepSubject subjectKind_ = StepSubject::None, int subject_ = -1,
             double before_ = 0.0, double value_ = 0.0, std::string key_ = {})
        : kind(kind_), subjectKind(subjectKind_), subject(subject_), before(before_), value(value_),
          key(std::move(key_))
    {
    }

    StepKind kind = StepKind::Option;
    StepSubject subjectKind = StepSubject::None;
    int subject = -1;     // position in the subject's table; -1 when there is none
    double before = 0.0;  // the value before the step (a merged step keeps the first)
    double value = 0.0;   // the value after it
    std::string key;      // the option's key for StepKind::Option

    // Changes of the same thing that may merge into one step.
    bool SameTarget(const StepName& other) const
    {
        return kind == other.kind && subjectKind == other.subjectKind && subject == other.subject &&
               key == other.key;
    }
};

class CUndoHistory {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    // Changes of the same target closer together than this are one step
    // (a held button, a dragged slider, digits typed into a field).
    static constexpr std::chrono::milliseconds kMergeWindow{1000};

    explicit CUndoHistory(Clock clock = &std::chrono::steady_clock::now);

    // No state yet: the first Record or Restart sets one.
    bool IsEmpty() const { return !m_hasBase; }
    const std::string& Current() const { return m_current; }

    // Starts over from this state; it is the saved state unless modified.
    void Restart(std::string image, bool modified);
    // The document went from Current() to image. A step that does not change
    // the character's contents (moving through a career plan, page options)
    // leaves the modified flag alone. mergeable: may join the step before of
    // the same target within the merge window. An image equal to Current() is
    // no step.
    void Record(std::string image, StepName name, bool changesContents, bool mergeable);

    bool CanUndo() const { return m_index > 0; }
    bool CanRedo() const { return m_index < m_steps.size(); }
    // The step an undo or a redo would take back or do again; null when none.
    const StepName* UndoName() const { return CanUndo() ? &m_steps[m_index - 1].name : nullptr; }
    const StepName* RedoName() const { return CanRedo() ? &m_steps[m_index].name : nullptr; }
    // Move one step; Current() is then the state to show.
    bool Undo();
    bool Redo();
    std::size_t StepCount() const { return m_steps.size(); }
    std::size_t Position() const { return m_index; }

    // The saved state is the current one (after a save).
    void MarkSaved();
    // No state in the history is the saved one any more.
    void ForgetSaved() { m_saved = kNoSaved; }
    // Whether the current state differs in contents from the saved one.
    bool IsModified() const;
    // For a caller that replaces the document by an equal image and must keep
    // the saved point (the data-language switch).
    std::int64_t SavedPoint() const { return m_saved; }
    void SetSavedPoint(std::int64_t point) { m_saved = point; }

    // Heap bytes the history holds, the current image included.
    std::size_t MemoryBytes() const;

private:
    static constexpr std::int64_t kNoSaved = -1;

    struct Step {
        StepName name;
        bool changesContents = true;
        // The images before and after differ in [prefix, size - suffix).
        std::uint32_t prefix = 0;
        std::uint32_t suffix = 0;
        std::string before;
        std::string after;
    };

    static Step Difference(std::string_view from, std::string_view to);
    static std::string Apply(const std::string& image, const Step& step, bool forward);

    Clock m_clock;
    bool m_hasBase = false;
    std::string m_current;
    std::vector<Step> m_steps;
    std::size_t m_index = 0;
    std::int64_t m_saved = kNoSaved;
    bool m_mayMerge = false;
    std::chrono::steady_clock::time_point m_lastRecord{};
};
