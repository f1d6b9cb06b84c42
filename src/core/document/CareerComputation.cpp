#include "document/CareerComputation.h"

#include <algorithm>
#include <limits>

namespace {

using level_slot::kCount;
using level_slot::LevelOfSlot;

}  // namespace

std::int32_t SaturatedPoints(std::int64_t points)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        points, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int64_t ExactSkillPointCost(std::int64_t level)
{
    return level <= 1 ? 0 : level * (level + 1) / 2 - 1;
}

std::int32_t SkillPointCost(std::int32_t level)
{
    return SaturatedPoints(ExactSkillPointCost(level));
}

std::int32_t AutoTrainAllowance(int characterLevel, std::int32_t mask)
{
    const int steps = characterLevel / 4;
    if (steps < 2)
        return 0;
    const auto bits = static_cast<std::uint32_t>(mask);
    std::int32_t allowance = 0;
    for (int k = 1; k <= steps - 1 && k <= kAutoTrainHighestStepBit; ++k) {
        if (HasAutoTrainBit(bits, k))
            allowance += k + 1;
    }
    return allowance;
}

void ComputeCareer(const CareerInput& input, SlotArray<CNamedValueList>& levels,
                   SlotArray<std::int32_t>& pointsLeft)
{
    const std::vector<std::string>& lines = input.lines;
    const std::size_t lineCount = lines.size();

    SlotArray<std::int64_t> points{};
    std::vector<std::vector<std::int32_t>> level(kCount, std::vector<std::int32_t>(lineCount, 0));
    std::vector<std::vector<bool>> fixed(kCount, std::vector<bool>(lineCount, false));
    const auto wholeLevel = [](int slot) { return static_cast<int>(LevelOfSlot(slot)); };
    const auto setLevel = [&](int slot, std::size_t c, std::int32_t value) {
        std::int32_t& current = level[static_cast<std::size_t>(slot)][c];
        points[static_cast<std::size_t>(slot)] += ExactSkillPointCost(current) - ExactSkillPointCost(value);
        current = value;
    };

    for (int r = 0; r < kCount; ++r)
        points[static_cast<std::size_t>(r)] = input.earned[static_cast<std::size_t>(r)];
    for (std::size_t c = 0; c < lineCount; ++c) {
        level[0][c] = 1;
        fixed[0][c] = true;
    }

    // The plan: each entry raises the line from its slot on; a respec sets it.
    for (std::size_t c = 0; c < lineCount; ++c) {
        std::int32_t current = 1;
        for (int r = 1; r < kCount; ++r) {
            const std::size_t row = static_cast<std::size_t>(r);
            const CNamedValueList& plan = input.plan[row];
            if (plan.Contains(lines[c])) {
                const std::int32_t value = plan.Get(lines[c]);
                current = input.respecAt[row] ? value : std::max(current, value);
                fixed[row][c] = true;
            }
            level[row][c] = current;
            points[row] -= ExactSkillPointCost(current);
        }
    }

    // Auto-train: below each taken step's level the line stays at most at the
    // step, from it on at least there, and the taken steps are free.
    for (std::size_t c = 0; c < lineCount; ++c) {
        const auto mask = static_cast<std::uint32_t>(input.autoTrainMasks.Get(lines[c]));
        // A mask without any step grants nothing and so limits nothing.
        if ((mask & kAutoTrainStepBits) == 0)
            continue;
        const auto lowestStepFrom = [mask](int from, int none) {
            for (int k = from; k <= kAutoTrainHighestStepBit; ++k) {
                if (HasAutoTrainBit(mask, k))
                    return k;
            }
            return none;
        };
        std::int32_t minimum = 1;
        for (int r = 1; r <= 6; ++r) {
            fixed[static_cast<std::size_t>(r)][c] = false;
            setLevel(r, c, 1);
        }
        std::int32_t cap = lowestStepFrom(1, 12);
        for (int r = 7; r < kCount; ++r) {
            const int whole = wholeLevel(r);
            if (whole % 4 == 0 && r % 2 == 0 && HasAutoTrainBit(mask, whole / 4 - 1)) {
                minimum = whole / 4;
                cap = lowestStepFrom(minimum, 50);
                setLevel(r - 1, c, std::max(minimum - 1, 1));
                fixed[static_cast<std::size_t>(r - 1)][c] = true;
                fixed[static_cast<std::size_t>(r)][c] = true;
            }
            const std::int32_t current = level[static_cast<std::size_t>(r)][c];
            setLevel(r, c, std::min(std::max(current, minimum), cap));
            points[static_cast<std::size_t>(r)] += AutoTrainAllowance(whole, static_cast<std::int32_t>(mask));
        }
    }

    // Spreading: each fixed level is trained as early as the character level
    // and the points of every slot up to it allow, the highest targets first.
    for (int r = 1; r < kCount; ++r) {
        const std::size_t row = static_cast<std::size_t>(r);
        std::vector<bool> handled(lineCount, false);
        for (;;) {
            std::size_t best = lineCount;
            for (std::size_t c = 0; c < lineCount; ++c) {
                if (!handled[c] && fixed[row][c] && (best == lineCount || level[row][c] > level[row][best]))
                    best = c;
            }
            if (best == lineCount || level[row][best] < 1)
                break;
            const std::size_t c = best;
            handled[c] = true;
            const std::int32_t target = level[row][c];
            int k = r - 1;
            while (k >= 1 && !fixed[static_cast<std::size_t>(k)][c])
                --k;
            for (int j = k + 1; j < r; ++j) {
                const std::int32_t limit = std::min(target, static_cast<std::int32_t>(wholeLevel(j)));
                while (level[static_cast<std::size_t>(j)][c] < limit) {
                    // A level below 1 (a damaged file may hold any number) goes
                    // to 1 in one step rather than counting up from far below.
                    const std::int32_t raised = std::max(level[static_cast<std::size_t>(j)][c] + 1, 1);
                    // Training at j carries on to every later slot that is not
                    // higher already; each of them must keep a point spare.
                    bool affordable = true;
                    for (int m = j; m < r && affordable; ++m) {
                        const std::int32_t current = level[static_cast<std::size_t>(m)][c];
                        if (current < raised)
                            affordable = points[static_cast<std::size_t>(m)] >
                                         ExactSkillPointCost(raised) - ExactSkillPointCost(current);
                    }
                    if (!affordable)
                        break;
                    for (int m = j; m < r; ++m) {
                        if (level[static_cast<std::size_t>(m)][c] < raised)
                            setLevel(m, c, raised);
                    }
                }
            }
        }
    }

    for (int r = 0; r < kCount; ++r) {
        const std::size_t row = static_cast<std::size_t>(r);
        for (std::size_t c = 0; c < lineCount; ++c)
            levels[row].Set(lines[c], level[row][c] >= 1 ? level[row][c] : 0);
        pointsLeft[row] = SaturatedPoints(points[row]);
    }
}
