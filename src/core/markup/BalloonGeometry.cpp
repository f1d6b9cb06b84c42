#include "markup/BalloonGeometry.h"

#include <algorithm>

using namespace balloon;

BalloonGeometry PlaceBalloon(MarkupSize textSize, MarkupPoint pointer, const MarkupRect& screen, bool shadow,
                             int direction)
{
    const int extra = shadow ? kShadowOffset : 0;
    // Room the frame takes around the text, plus the 2 pixels the window adds.
    const int frameWidth = 2 * kMargin + extra + 2;
    const int frameHeight = 2 * kMargin + kAnchorHeight + extra + 2;
    const int textWidth = std::clamp(textSize.width, 0, std::max(screen.Width() - frameWidth, 0));
    const int textHeight = std::clamp(textSize.height, 0, std::max(screen.Height() - frameHeight, 0));

    const int balloonWidth = textWidth + 2 * kMargin;
    const int balloonHeight = textHeight + kAnchorHeight + 2 * kMargin;
    const int width = balloonWidth + extra;
    const int height = balloonHeight + extra;

    direction &= 3;
    const auto horizontal = [&](int dir, int& left) {
        if ((dir & 1) == 0) {
            const int right = std::min(pointer.x + kAnchorOffset, screen.right);
            left = right - width;
            return left >= screen.left;
        }
        left = pointer.x - screen.left < kAnchorOffset ? screen.left : pointer.x - kAnchorOffset;
        return left + width <= screen.right;
    };
    int left = 0;
    if (!horizontal(direction, left)) {
        direction ^= 1;
        horizontal(direction, left);
    }
    const auto vertical = [&](int dir, int& top) {
        if ((dir & 2) == 0) {
            top = pointer.y - height;
            return top >= screen.top;
        }
        top = pointer.y;
        return top + height <= screen.bottom;
    };
    int top = 0;
    if (!vertical(direction, top)) {
        direction ^= 2;
        vertical(direction, top);
    }
    if (shadow && (direction == 0 || direction == 2)) {
        left += kShadowOffset;
        top += kShadowOffset;
    }

    BalloonGeometry g;
    g.direction = direction;
    g.shadow = shadow;
    g.window = {left, top, left + width + 2, top + height + 2};

    const bool below = (direction & 2) != 0;
    const bool extendsRight = (direction & 1) != 0;
    const int bodyTop = below ? kAnchorHeight : 0;
    g.body = {0, bodyTop, balloonWidth, bodyTop + balloonHeight - kAnchorHeight};
    const int tipX = extendsRight ? kAnchorOffset : balloonWidth - kAnchorOffset;
    const int baseOther = extendsRight ? tipX + kAnchorWidth : tipX - kAnchorWidth;
    const int edgeY = below ? g.body.top : g.body.bottom;
    g.anchorTip = {tipX, below ? 0 : balloonHeight};
    g.anchorBase1 = {tipX, edgeY};
    g.anchorBase2 = {baseOther, edgeY};
    g.text = {g.body.left + kMargin, g.body.top + kMargin, g.body.left + kMargin + textWidth,
              g.body.top + kMargin + textHeight};
    return g;
}
