// Markup tokenizer and both layouts on a surface with fixed glyph metrics.
// Input: byte 0 picks the simple box's width, byte 1 its height, the rest is
// the markup. Stops on any coordinate outside the layout's range, on a token
// pointing past its text, or on a measure/draw pair that disagrees in height.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "markup/CRichMarkupRenderer.h"
#include "markup/CSimpleMarkupRenderer.h"
#include "markup/MarkupTokenizer.h"
#include "support/FixedMetricsSurface.h"

namespace {

void CheckCoordinate(long long v)
{
    FUZZ_CHECK(v >= -kMarkupCoordinateLimit && v <= kMarkupCoordinateLimit);
}

// Checks every drawing call: coordinates within the layout's range, no empty
// text, colours within 24 bits.
class CheckingSurface : public FixedMetricsSurface {
public:
    void SetTextColor(MarkupColor color) override
    {
        FUZZ_CHECK(color <= 0xFFFFFF);
        FixedMetricsSurface::SetTextColor(color);
    }
    void SetBackgroundColor(MarkupColor color) override
    {
        FUZZ_CHECK(color <= 0xFFFFFF);
        FixedMetricsSurface::SetBackgroundColor(color);
    }
    void DrawText(int x, int y, std::string_view text) override
    {
        CheckCoordinate(x);
        CheckCoordinate(y);
        FUZZ_CHECK(!text.empty());
        ++draws;
    }
    void DrawTextClipped(const MarkupRect& clip, std::string_view text) override
    {
        CheckCoordinate(clip.left);
        CheckCoordinate(clip.right);
        CheckCoordinate(clip.top);
        CheckCoordinate(clip.bottom);
        FUZZ_CHECK(clip.left < clip.right && clip.top < clip.bottom && !text.empty());
        ++draws;
    }
    void DrawLine(int x1, int y1, int x2, int y2, MarkupColor) override
    {
        CheckCoordinate(x1);
        CheckCoordinate(x2);
        CheckCoordinate(y1);
        CheckCoordinate(y2);
        ++draws;
    }

    std::size_t draws = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int boxWidth = data[0] * 4;
    const int boxHeight = data[1] * 4;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    const MarkupTokens tokens = TokenizeMarkup(text);
    FUZZ_CHECK(!tokens.tokens.empty() && tokens.tokens.back().kind == MarkupTokenKind::LineBreak);
    for (const MarkupToken& token : tokens.tokens)
        FUZZ_CHECK(std::size_t(token.offset) + token.length <= tokens.text.size());

    CheckingSurface surface;
    const MarkupFont base = surface.Font();
    CRichMarkupRenderer renderer(MakeMarkupPalette(0, 0xE1FFFF, 0x808080));
    const MarkupSize measured = renderer.Render(surface, text, {3, 5, 0}, MarkupPass::Measure);
    FUZZ_CHECK(measured.width >= 0);
    FUZZ_CHECK(renderer.LineWidths().size() == renderer.LineHeights().size());
    const MarkupSize drawn = renderer.Render(surface, text, {3, 5, 3 + measured.width}, MarkupPass::Draw);
    FUZZ_CHECK(drawn.width == 0 && drawn.height == measured.height);
    FUZZ_CHECK(surface.Font() == base && surface.TextColor() == 0 && !surface.BackgroundOpaque());
    FUZZ_CHECK(surface.draws <= text.size() + 1);

    surface.draws = 0;
    CSimpleMarkupRenderer::Render(surface, text, {0, 0, boxWidth, boxHeight});
    FUZZ_CHECK(surface.Font() == base);
    FUZZ_CHECK(surface.draws <= text.size() + 1);
    return 0;
}
