#include "document/CUndoHistory.h"

#include <algorithm>
#include <utility>

CUndoHistory::CUndoHistory(Clock clock) : m_clock(std::move(clock))
{
}

void CUndoHistory::Restart(std::string image, bool modified)
{
    m_current = std::move(image);
    m_hasBase = true;
    m_steps.clear();
    m_index = 0;
    m_saved = modified ? kNoSaved : 0;
    m_mayMerge = false;
}

CUndoHistory::Step CUndoHistory::Difference(std::string_view from, std::string_view to)
{
    const std::size_t shorter = std::min(from.size(), to.size());
    std::size_t prefix = 0;
    while (prefix < shorter && from[prefix] == to[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < shorter - prefix && from[from.size() - 1 - suffix] == to[to.size() - 1 - suffix])
        ++suffix;
    Step step;
    step.prefix = static_cast<std::uint32_t>(prefix);
    step.suffix = static_cast<std::uint32_t>(suffix);
    step.before = std::string(from.substr(prefix, from.size() - prefix - suffix));
    step.after = std::string(to.substr(prefix, to.size() - prefix - suffix));
    return step;
}

std::string CUndoHistory::Apply(const std::string& image, const Step& step, bool forward)
{
    const std::string& from = forward ? step.before : step.after;
    const std::string& to = forward ? step.after : step.before;
    std::string result;
    result.reserve(image.size() - from.size() + to.size());
    result.append(image, 0, step.prefix);
    result += to;
    result.append(image, step.prefix + from.size(), std::string::npos);
    return result;
}

void CUndoHistory::Record(std::string image, StepName name, bool changesContents, bool mergeable)
{
    if (!m_hasBase) {
        Restart(std::move(image), false);
        return;
    }
    if (image == m_current)
        return;
    const auto now = m_clock();
    // The saved state must stay reachable, so a step that ends there is not merged into.
    const bool merge = mergeable && m_mayMerge && m_index > 0 && m_index == m_steps.size() &&
                       static_cast<std::int64_t>(m_index) != m_saved &&
                       m_steps.back().name.SameTarget(name) && now - m_lastRecord < kMergeWindow;
    if (m_index < m_steps.size()) {
        m_steps.resize(m_index);  // the steps undone are gone
        if (m_saved > static_cast<std::int64_t>(m_index))
            m_saved = kNoSaved;
    }
    if (merge) {
        Step& last = m_steps.back();
        const std::string start = Apply(m_current, last, false);
        name.before = last.name.before;
        const bool contents = last.changesContents || changesContents;
        m_steps.pop_back();
        --m_index;
        if (start != image) {
            Step step = Difference(start, image);
            step.name = std::move(name);
            step.changesContents = contents;
            m_steps.push_back(std::move(step));
            ++m_index;
        }
    } else {
        Step step = Difference(m_current, image);
        step.name = std::move(name);
        step.changesContents = changesContents;
        m_steps.push_back(std::move(step));
        ++m_index;
    }
    m_current = std::move(image);
    m_mayMerge = mergeable;
    m_lastRecord = now;
}

bool CUndoHistory::Undo()
{
    if (!CanUndo())
        return false;
    m_current = Apply(m_current, m_steps[--m_index], false);
    m_mayMerge = false;
    return true;
}

bool CUndoHistory::Redo()
{
    if (!CanRedo())
        return false;
    m_current = Apply(m_current, m_steps[m_index++], true);
    m_mayMerge = false;
    return true;
}

void CUndoHistory::MarkSaved()
{
    m_saved = static_cast<std::int64_t>(m_index);
    m_mayMerge = false;
}

bool CUndoHistory::IsModified() const
{
    if (m_saved == kNoSaved)
        return true;
    const auto saved = static_cast<std::size_t>(m_saved);
    const std::size_t low = std::min(saved, m_index);
    const std::size_t high = std::max(saved, m_index);
    for (std::size_t i = low; i < high; ++i) {
        if (m_steps[i].changesContents)
            return true;
    }
    return false;
}

std::size_t CUndoHistory::MemoryBytes() const
{
    std::size_t bytes = m_current.capacity() + m_steps.capacity() * sizeof(Step);
    for (const Step& step : m_steps) {
        // Short strings live inside the step itself.
        const auto heap = [](const std::string& text) {
            return text.capacity() > 15 ? text.capacity() + 1 : 0;
        };
        bytes += heap(step.before) + heap(step.after) + heap(step.name.key);
    }
    return bytes;
}
