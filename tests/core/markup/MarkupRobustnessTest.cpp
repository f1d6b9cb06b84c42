// Malformed and hostile texts: both renderers finish, stay inside the
// coordinate range (the recording surface checks every call), read nothing
// outside the text (run under the sanitizers) and still show what a sensible
// reading of the text gives.
#include <gtest/gtest.h>

#include <string>

#include "core/markup/FakeMarkupSurface.h"
#include "markup/CRichMarkupRenderer.h"
#include "markup/CSimpleMarkupRenderer.h"

namespace {

const MarkupPalette kPalette = MakeMarkupPalette(0, MarkupRgb(255, 255, 225), MarkupRgb(128, 128, 128));

// The rich renderer's calls; the simple one runs too, for its bounds.
std::vector<std::string> RenderBoth(const std::string& text, MarkupSize* size = nullptr)
{
    FakeMarkupSurface rich;
    CRichMarkupRenderer renderer(kPalette);
    const MarkupSize measured = renderer.Render(rich, text, {0, 0, 0}, MarkupPass::Measure);
    EXPECT_GE(measured.width, 0);
    renderer.Render(rich, text, {0, 0, measured.width}, MarkupPass::Draw);
    EXPECT_LE(rich.calls.size(), text.size() + 1);
    FakeMarkupSurface simple;
    CSimpleMarkupRenderer::Render(simple, text, {0, 0, 200, 120});
    // One character per line at worst, one rule per '<'.
    EXPECT_LE(simple.calls.size(), text.size() + 1);
    if (size)
        *size = measured;
    return rich.calls;
}

TEST(MarkupRobustness, MalformedTextsShowTheirSensibleParts)
{
    const struct {
        std::string text;
        std::vector<std::string> rich;
    } cases[] = {
        // clang-format off
        {"<b>bold to the end", {"text 0,2 \"bold to the end\" w800"}},
        {"before<al_c", {"text 0,0 \"before\""}},
        {"</b></i></ct></cb></al_c>x", {"text 0,0 \"x\""}},
        {">a>b>", {"text 0,0 \">a>b>\""}},
        {"ab<", {"text 0,0 \"ab\""}},
        {"a< b>c", {"text 0,0 \"ac\""}},
        {"<><><>", {}},
        {"a<br=2147483647>b", {"text 0,0 \"a\"", "text 0,1000000 \"b\""}},
        {"a<br=-2147483648>b", {"text 0,0 \"a\"", "text 0,-1000000 \"b\""}},
        {"a<t=999999999999>b", {"text 0,0 \"a\"", "text 1000000,0 \"b\""}},
        {"<hr=2147483647>", {"line 0,6-1000000,6"}},
        {"x<br><hr=2147483647%>", {"text 0,0 \"x\"", "line 0,18-1000000,18"}},
        {"<ct=0x7FFFFFFF>c", {"text 0,0 \"c\" #FFFFFF"}},
        {"<cti=99999999>c<cbi=-5>d", {"text 0,0 \"c\"", "text 6,0 \"d\""}},
        {"a<" + std::string(10000, 'b') + ">c", {"text 0,0 \"ac\""}},
        {"<t=" + std::string(10000, '9') + ">x", {"text 1000000,0 \"x\""}},
        {std::string("a\0b", 3), {"text 0,0 \"" + std::string("a\0b", 3) + "\""}},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(RenderBoth(c.text), c.rich) << c.text.substr(0, 40);
}

TEST(MarkupRobustness, DeepNestingManyLinesAndHugeAreas)
{
    std::string nested, lines;
    for (int i = 0; i < 5000; ++i)
        nested += "<b><i><u><s><al_c><cti=3>";
    nested += "deep";
    for (int i = 0; i < 5000; ++i)
        nested += "</cti></al_c></s></u></i></b>";
    MarkupSize size;
    EXPECT_EQ(RenderBoth(nested, &size).size(), 1u);
    EXPECT_EQ(size, (MarkupSize{28, 14}));

    for (int i = 0; i < 20000; ++i)
        lines += "x<br>";
    FakeMarkupSurface surface;
    CRichMarkupRenderer renderer(kPalette);
    EXPECT_EQ(renderer.Render(surface, lines, {0, 0, 0}, MarkupPass::Measure), (MarkupSize{6, 240012}));
    EXPECT_EQ(renderer.LineWidths().size(), 20001u);

    const std::string text = "<al_c>a<br><al_r>b<br><hr=100%>";
    renderer.Render(surface, text, {0, 0, 0}, MarkupPass::Measure);
    renderer.Render(surface, text, {-2147483647, -2147483647, 2147483647}, MarkupPass::Draw);
    EXPECT_EQ(surface.calls.size(), 3u);
    FakeMarkupSurface simple;
    CSimpleMarkupRenderer::Render(simple, "some text<br><hr=1>", {-2000000000, -2000000000, 2000000000, 2000000000});
    EXPECT_EQ(simple.calls.size(), 2u);
}

}  // namespace
