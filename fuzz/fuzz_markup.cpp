// Markup tokenizer and both layouts on a surface with fixed glyph metrics.
// Input: byte 0 picks the simple box's width, byte 1 its height, the rest is
// the markup. Stops on any coordinate outside the layout's range, on a token
// pointing past its text, or on a measure/draw pair that disagrees in height.
#include <initializer_list>

#include "FuzzDriver.h"
#include "markup/CRichMarkupRenderer.h"
#include "markup/CSimpleMarkupRenderer.h"
#include "markup/MarkupTokenizer.h"
#include "support/FixedMetricsSurface.h"

namespace {

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
    void DrawText(int x, int y, std::string_view text) override { Check({x, y}, !text.empty()); }
    void DrawTextClipped(const MarkupRect& r, std::string_view text) override
    {
        Check({r.left, r.right, r.top, r.bottom}, r.left < r.right && r.top < r.bottom && !text.empty());
    }
    void DrawLine(int x1, int y1, int x2, int y2, MarkupColor) override { Check({x1, y1, x2, y2}, true); }

    std::size_t draws = 0;

private:
    void Check(std::initializer_list<int> coordinates, bool valid)
    {
        FUZZ_CHECK(valid);
        for (const int v : coordinates)
            FUZZ_CHECK(v >= -kMarkupCoordinateLimit && v <= kMarkupCoordinateLimit);
        ++draws;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::string_view text = FuzzInput(data + 2, size - 2);
    const MarkupTokens tokens = TokenizeMarkup(text);
    FUZZ_CHECK(!tokens.tokens.empty() && tokens.tokens.back().kind == MarkupTokenKind::LineBreak);
    for (const MarkupToken& token : tokens.tokens)
        FUZZ_CHECK(std::size_t(token.offset) + token.length <= tokens.text.size());

    CheckingSurface surface;
    const MarkupFont base = surface.Font();
    CRichMarkupRenderer renderer(MakeMarkupPalette(0, 0xE1FFFF, 0x808080));
    const MarkupSize measured = renderer.Render(surface, text, {3, 5, 0}, MarkupPass::Measure);
    FUZZ_CHECK(measured.width >= 0 && renderer.LineWidths().size() == renderer.LineHeights().size());
    const MarkupSize drawn = renderer.Render(surface, text, {3, 5, 3 + measured.width}, MarkupPass::Draw);
    FUZZ_CHECK(drawn.width == 0 && drawn.height == measured.height);
    FUZZ_CHECK(surface.Font() == base && surface.TextColor() == 0 && !surface.BackgroundOpaque());
    FUZZ_CHECK(surface.draws <= text.size() + 1);

    surface.draws = 0;
    CSimpleMarkupRenderer::Render(surface, text, {0, 0, data[0] * 4, data[1] * 4});
    FUZZ_CHECK(surface.Font() == base && surface.draws <= text.size() + 1);
    return 0;
}
