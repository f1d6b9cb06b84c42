// Plain value types shared by the markup tokenizer, both renderers and the
// drawing surfaces. Colours are 0x00BBGGRR (lowest byte red).
#pragma once

#include <array>
#include <cstdint>
#include <string>

using MarkupColor = std::uint32_t;

constexpr MarkupColor MarkupRgb(int red, int green, int blue)
{
    return static_cast<MarkupColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int MarkupRed(MarkupColor c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int MarkupGreen(MarkupColor c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int MarkupBlue(MarkupColor c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

// A logical font: the renderers change only weight and the three flags of the
// base font they start from.
struct MarkupFont {
    int height = 0;    // character height in pixels
    int weight = 400;  // 100..900, 400 normal
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::string face;

    bool operator==(const MarkupFont&) const = default;
};

struct MarkupSize {
    int width = 0;
    int height = 0;
    bool operator==(const MarkupSize&) const = default;
};

struct MarkupRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const MarkupRect&) const = default;
};

struct MarkupFontMetrics {
    int cellHeight = 0;        // H: ascent + descent
    int averageCharWidth = 0;  // A
};

// Pen positions are kept inside this range so that absurd counts and widths in a
// text cannot overflow the arithmetic or hand a surface unusable coordinates.
constexpr std::int64_t kMarkupCoordinateLimit = 1'000'000;

// The colour index table of the rich renderer.
constexpr int kMarkupPaletteSize = 26;
using MarkupPalette = std::array<MarkupColor, kMarkupPaletteSize>;

namespace markup_index {
constexpr int kDefaultText = 17;
constexpr int kDefaultBackground = 18;
constexpr int kBalloonBackground = 19;
constexpr int kBalloonBackground2 = 20;
constexpr int kShadow = 24;
constexpr int kFrame = 25;
}  // namespace markup_index

// The fixed entries and the four system colours the table takes at creation.
MarkupPalette MakeMarkupPalette(MarkupColor tooltipText, MarkupColor tooltipBackground,
                                MarkupColor buttonShadow);
