// Malformed and hostile texts: both renderers finish, stay inside the
// coordinate range, read nothing outside the text (run under the sanitizers)
// and still show what a sensible reading of the text gives.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "markup/CRichMarkupRenderer.h"
#include "markup/CSimpleMarkupRenderer.h"
#include "core/markup/FakeMarkupSurface.h"
#include "markup/MarkupTokenizer.h"

namespace {

const MarkupPalette kPalette = MakeMarkupPalette(0, MarkupRgb(255, 255, 225), MarkupRgb(128, 128, 128));

// Checks every coordinate a renderer hands the surface.
class BoundedSurface : public FakeMarkupSurface {
public:
    void DrawText(int x, int y, std::string_view text) override
    {
        Check({x, y});
        FakeMarkupSurface::DrawText(x, y, text);
    }
    void DrawTextClipped(const MarkupRect& clip, std::string_view text) override
    {
        Check({clip.left, clip.right, clip.top, clip.bottom});
        EXPECT_LE(clip.left, clip.right);
        EXPECT_LE(clip.top, clip.bottom);
        FakeMarkupSurface::DrawTextClipped(clip, text);
    }
    void DrawLine(int x1, int y1, int x2, int y2, MarkupColor color) override
    {
        Check({x1, y1, x2, y2});
        FakeMarkupSurface::DrawLine(x1, y1, x2, y2, color);
    }
    int draws = 0;

private:
    void Check(std::initializer_list<int> values)
    {
        ++draws;
        for (int v : values) {
            EXPECT_LE(v, kMarkupCoordinateLimit);
            EXPECT_GE(v, -kMarkupCoordinateLimit);
        }
    }
};

struct Result {
    MarkupSize size;
    std::vector<std::string> richCalls;
    std::vector<std::string> simpleCalls;
};

Result RenderBoth(const std::string& text)
{
    Result result;
    BoundedSurface rich;
    CRichMarkupRenderer renderer(kPalette);
    result.size = renderer.Render(rich, text, {0, 0, 0}, MarkupPass::Measure);
    EXPECT_GE(result.size.width, 0);
    renderer.Render(rich, text, {0, 0, result.size.width}, MarkupPass::Draw);
    result.richCalls = rich.calls;
    EXPECT_LE(rich.draws, static_cast<int>(text.size()) + 1);

    BoundedSurface simple;
    CSimpleMarkupRenderer::Render(simple, text, {0, 0, 200, 120});
    result.simpleCalls = simple.calls;
    // One character per line at worst, one rule per '<'.
    EXPECT_LE(simple.draws, static_cast<int>(text.size()) + 1);
    return result;
}

TEST(MarkupRobustness, MalformedTextsShowTheirSensibleParts)
{
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> rich;
    } cases[] = {
        {"unclosed bold keeps the text", "<b>bold to the end", {"text 0,2 \"bold to the end\" w800"}},
        {"unclosed tag name", "before<al_c", {"text 0,0 \"before\""}},
        {"closing tags without opening ones", "</b></i></ct></cb></al_c>x", {"text 0,0 \"x\""}},
        {"stray greater-than", ">a>b>", {"text 0,0 \">a>b>\""}},
        {"stray less-than at the end", "ab<", {"text 0,0 \"ab\""}},
        {"less-than followed by space", "a< b>c", {"text 0,0 \"ac\""}},
        {"only brackets", "<><><>", {}},
        {"huge line break count", "a<br=2147483647>b", {"text 0,0 \"a\"", "text 0,1000000 \"b\""}},
        {"huge negative line break count", "a<br=-2147483648>b", {"text 0,0 \"a\"", "text 0,-1000000 \"b\""}},
        {"huge tab count", "a<t=999999999999>b", {"text 0,0 \"a\"", "text 1000000,0 \"b\""}},
        {"huge pixel rule", "<hr=2147483647>", {"line 0,6-1000000,6"}},
        {"huge percent rule", "x<br><hr=2147483647%>", {"text 0,0 \"x\"", "line 0,18-1000000,18"}},
        {"absurd colour", "<ct=0x7FFFFFFF>c", {"text 0,0 \"c\" #FFFFFF"}},
        {"absurd colour index", "<cti=99999999>c<cbi=-5>d", {"text 0,0 \"c\"", "text 6,0 \"d\""}},
        {"very long tag name", "a<" + std::string(10000, 'b') + ">c", {"text 0,0 \"ac\""}},
        {"very long parameter", "<t=" + std::string(10000, '9') + ">x", {"text 1000000,0 \"x\""}},
        {"nul bytes are text", std::string("a\0b", 3), {"text 0,0 \"" + std::string("a\0b", 3) + "\""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RenderBoth(c.text).richCalls, c.rich);
    }
}

TEST(MarkupRobustness, DeepNestingAndManyLines)
{
    std::string nested;
    for (int i = 0; i < 5000; ++i)
        nested += "<b><i><u><s><al_c><cti=3>";
    nested += "deep";
    for (int i = 0; i < 5000; ++i)
        nested += "</cti></al_c></s></u></i></b>";
    const Result deep = RenderBoth(nested);
    EXPECT_EQ(deep.size, (MarkupSize{28, 14}));
    ASSERT_EQ(deep.richCalls.size(), 1u);

    std::string lines;
    for (int i = 0; i < 20000; ++i)
        lines += "x<br>";
    FakeMarkupSurface surface;
    CRichMarkupRenderer renderer(kPalette);
    EXPECT_EQ(renderer.Render(surface, lines, {0, 0, 0}, MarkupPass::Measure), (MarkupSize{6, 240012}));
    EXPECT_EQ(renderer.LineWidths().size(), 20001u);
}

TEST(MarkupRobustness, HugeAreasAndWidths)
{
    FakeMarkupSurface rich;
    CRichMarkupRenderer renderer(kPalette);
    const std::string text = "<al_c>a<br><al_r>b<br><hr=100%>";
    renderer.Render(rich, text, {0, 0, 0}, MarkupPass::Measure);
    renderer.Render(rich, text, {-2147483647, -2147483647, 2147483647}, MarkupPass::Draw);
    EXPECT_EQ(rich.calls.size(), 3u);

    FakeMarkupSurface simple;
    CSimpleMarkupRenderer::Render(simple, "some text<br><hr=1>",
                                  {-2000000000, -2000000000, 2000000000, 2000000000});
    EXPECT_EQ(simple.calls.size(), 2u);
}

TEST(MarkupRobustness, RandomTextsFinish)
{
    // Texts built from the characters that matter to the tokenizers, plus bytes.
    const std::string alphabet = "<>/=% \t\n\rbBiustcl_rhmgx0123456789-+aAfF\x80\xE4\xDF";
    const std::vector<std::string> pieces = {"<b>",    "</b>",   "<br=",   "<t=",    "<hr=",  "%>",
                                             "<cti=",  "<ct=0x", "<al_c>", "<al_r>", "<img=", "<<",
                                             "<ilst=", ">",      "<hr>",   "<cb="};
    std::mt19937 random(20240611);
    for (int n = 0; n < 3000; ++n) {
        std::string text;
        const int length = static_cast<int>(random() % 60);
        for (int i = 0; i < length; ++i) {
            if (random() % 3 == 0)
                text += pieces[random() % pieces.size()];
            else
                text += alphabet[random() % alphabet.size()];
        }
        const MarkupTokens tokens = TokenizeMarkup(text);
        ASSERT_FALSE(tokens.tokens.empty());
        EXPECT_EQ(tokens.tokens.back().kind, MarkupTokenKind::LineBreak) << text;
        for (const MarkupToken& token : tokens.tokens)
            ASSERT_LE(token.offset + token.length, tokens.text.size()) << text;
        RenderBoth(text);
        if (HasFailure())
            FAIL() << "text: " << text;
    }
}

}  // namespace
