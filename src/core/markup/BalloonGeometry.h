// Size, screen placement and outline of the tooltip balloon, worked out from
// the measured text size; the widget only turns this into a window and paints.
//
// Directions: 0 left and above the pointer, 1 right and above, 2 left and
// below, 3 right and below ("left"/"right": the side the balloon extends to).
#pragma once

#include "markup/MarkupTypes.h"

struct MarkupPoint {
    int x = 0;
    int y = 0;
    bool operator==(const MarkupPoint&) const = default;
};

namespace balloon {
constexpr int kMargin = 12;  // inner margin, both ways
constexpr int kAnchorWidth = 12;
constexpr int kAnchorHeight = 16;
constexpr int kAnchorOffset = 16;  // the anchor's tip from the balloon's near edge
constexpr int kShadowOffset = 4;
constexpr int kCornerSize = 16;
constexpr int kDefaultDirection = 3;
}  // namespace balloon

struct BalloonGeometry {
    int direction = balloon::kDefaultDirection;
    MarkupRect window;  // screen coordinates
    // The rest in window coordinates.
    MarkupRect body;  // the rounded rectangle
    MarkupPoint anchorTip;
    MarkupPoint anchorBase1;  // both on the body's edge
    MarkupPoint anchorBase2;
    MarkupRect text;  // as wide and high as the text
    bool shadow = false;
};

// Balloon for a text of the given size shown at the pointer (screen
// coordinates) on the given screen. A text larger than the screen is cut to it.
BalloonGeometry PlaceBalloon(MarkupSize textSize, MarkupPoint pointer, const MarkupRect& screen, bool shadow,
                             int direction = balloon::kDefaultDirection);
