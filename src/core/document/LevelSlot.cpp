#include "document/LevelSlot.h"

#include <algorithm>
#include <cmath>

namespace level_slot {

int SlotOfLevel(float level)
{
    if (!(level > 0.0f))  // also catches NaN
        return 0;
    if (level >= kMaxLevel)
        return kLast;
    if (level <= 40.0f)
        return static_cast<int>(level);
    return 40 + static_cast<int>((level - 40.0f) * 2.0f);
}

float LevelOfSlot(int slot)
{
    slot = std::clamp(slot, 0, kLast);
    if (slot <= 40)
        return static_cast<float>(slot);
    return 40.0f + static_cast<float>(slot - 40) * 0.5f;
}

}  // namespace level_slot
