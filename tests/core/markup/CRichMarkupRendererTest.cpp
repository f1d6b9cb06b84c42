// Golden layouts of the tooltip renderer on the fixed-metrics surface: base
// font 12 high, characters 6 wide (bold 7 wide, 14 high), tab stops every 24.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/markup/FakeMarkupSurface.h"
#include "markup/CRichMarkupRenderer.h"

namespace {

using Calls = std::vector<std::string>;
using Table = std::vector<std::int32_t>;

CRichMarkupRenderer Renderer()
{
    return CRichMarkupRenderer(MakeMarkupPalette(0, MarkupRgb(255, 255, 225), MarkupRgb(160, 160, 160)));
}

std::string Numbers(const Table& table)
{
    std::string out;
    for (std::int32_t n : table)
        out += (out.empty() ? "" : ",") + std::to_string(n);
    return out;
}

// Measures, then draws into an area as wide as the widest line (as the tooltip
// does) unless a width is given. Gives "WIDTHxHEIGHT wLINE,WIDTHS hLINE,HEIGHTS"
// followed by the drawing calls.
Calls LayOut(const std::string& markup, int drawWidth = -1, int left = 0, int top = 0)
{
    FakeMarkupSurface surface;
    CRichMarkupRenderer renderer = Renderer();
    const MarkupSize size = renderer.Render(surface, markup, {left, top, 0}, MarkupPass::Measure);
    EXPECT_TRUE(surface.calls.empty()) << "measuring drew something";
    Calls out{std::to_string(size.width) + "x" + std::to_string(size.height) + " w" +
              Numbers(renderer.LineWidths()) + " h" + Numbers(renderer.LineHeights())};
    const int width = drawWidth < 0 ? size.width : drawWidth;
    const MarkupSize drawn = renderer.Render(surface, markup, {left, top, left + width}, MarkupPass::Draw);
    EXPECT_EQ(drawn, (MarkupSize{0, size.height})) << "drawn height differs";
    EXPECT_EQ(surface.Font(), FakeMarkupSurface::BaseFont()) << "font not restored";
    EXPECT_EQ(surface.TextColor(), 0u) << "text colour not restored";
    EXPECT_FALSE(surface.BackgroundOpaque()) << "background mode not restored";
    out.insert(out.end(), surface.calls.begin(), surface.calls.end());
    return out;
}

TEST(CRichMarkupRenderer, GoldenLayouts)
{
    const struct {
        std::string markup;
        int drawWidth;
        Calls golden;  // the layout line, then the calls
    } cases[] = {
        // clang-format off
        {"abc", -1, {"18x12 w18 h12", "text 0,0 \"abc\""}},
        // A bold title centred over the widest line, a full rule, the body left.
        {"<al_c><b>Title</b><br><hr=100%><br><al>Body text here", -1, {"84x38 w35,84,84 h14,12,12", "text 24,2 \"Title\" w800", "line 0,20-84,20", "text 0,26 \"Body text here\""}},
        {"<al_c><b>Title</b><br><hr=100%><br>Body", -1, {"35x38 w35,35,24 h14,12,12", "text 0,2 \"Title\" w800", "line 0,20-35,20", "text 5,26 \"Body\""}},
        {"<al_r>ab<br>abcd", -1, {"24x24 w12,24 h12,12", "text 12,0 \"ab\"", "text 0,12 \"abcd\""}},
        {"<al_c>abcd<br>ab</al_c><br>ab", -1, {"24x36 w24,12,12 h12,12,12", "text 0,0 \"abcd\"", "text 6,12 \"ab\"", "text 0,24 \"ab\""}},
        // Tabs: the first stop is four average widths; a run as wide as a stop or
        // wider goes to the next; counts of 0 are 1, negative ones move left.
        {"a<t>b", -1, {"30x12 w30 h12", "text 0,0 \"a\"", "text 24,0 \"b\""}},
        {"abcde<t>f", -1, {"54x12 w54 h12", "text 0,0 \"abcde\"", "text 48,0 \"f\""}},
        {"a<t=2>b", -1, {"54x12 w54 h12", "text 0,0 \"a\"", "text 48,0 \"b\""}},
        {"a<t=0>b", -1, {"30x12 w30 h12", "text 0,0 \"a\"", "text 24,0 \"b\""}},
        {"a\tb", -1, {"30x12 w30 h12", "text 0,0 \"a\"", "text 24,0 \"b\""}},
        {"abcd<t>e", -1, {"54x12 w54 h12", "text 0,0 \"abcd\"", "text 48,0 \"e\""}},
        {"<al_c>abcdefgh<br><t>ab", -1, {"48x24 w48,36 h12,12", "text 0,0 \"abcdefgh\"", "text 6,12 \"ab\""}},
        {"abcdefgh<t=-1>x", -1, {"30x12 w30 h12", "text 0,0 \"abcdefgh\"", "text 24,0 \"x\""}},
        // Line breaks: a count advances whole line heights but counts one line.
        {"a<br=3>b", -1, {"6x48 w6,6 h12,12", "text 0,0 \"a\"", "text 0,36 \"b\""}},
        {"a<br=0>b", -1, {"6x24 w6,6 h12,12", "text 0,0 \"a\"", "text 0,12 \"b\""}},
        {"ab\ncd", -1, {"12x24 w12,12 h12,12", "text 0,0 \"ab\"", "text 0,12 \"cd\""}},
        {"ab<br>", -1, {"12x24 w12,0 h12,12", "text 0,0 \"ab\""}},
        {"x<<y", -1, {"18x12 w18 h12", "text 0,0 \"x<y\""}},
        {"<B>x</B>y", -1, {"13x14 w13 h14", "text 0,2 \"x\" w800", "text 7,2 \"y\""}},
        {"<foo>bar", -1, {"18x12 w18 h12", "text 0,0 \"bar\""}},
        {"ab<xyz>cd", -1, {"24x12 w24 h12", "text 0,0 \"abcd\""}},
        // Colours: values, the index table (26 and negative change nothing),
        // opaque backgrounds, the default background index.
        {"<ct=0xFF>red</ct> rest", -1, {"48x12 w48 h12", "text 0,0 \"red\" #FF0000", "text 18,0 \" rest\""}},
        {"<cti=2>g<cti=13>y</cti>d", -1, {"18x12 w18 h12", "text 0,0 \"g\" #008000", "text 6,0 \"y\" #FFFF00", "text 12,0 \"d\""}},
        {"<cti=8>a<cti=26>b<cti=-1>c", -1, {"18x12 w18 h12", "text 0,0 \"a\" #0000FF", "text 6,0 \"b\" #0000FF", "text 12,0 \"c\" #0000FF"}},
        {"<cb=0xFF00>a</cb>b", -1, {"12x12 w12 h12", "text 0,0 \"a\" on #00FF00", "text 6,0 \"b\""}},
        {"<cbi=9>a<cbi>b</cbi>c", -1, {"18x12 w18 h12", "text 0,0 \"a\" on #00FF00", "text 6,0 \"b\" on #FFFFE1", "text 12,0 \"c\""}},
        {"<i>a</i><u>b</u><s>c</s>d", -1, {"24x12 w24 h12", "text 0,0 \"a\" i", "text 6,0 \"b\" u", "text 12,0 \"c\" s", "text 18,0 \"d\""}},
        {"<b><b>a</b>b", -1, {"13x14 w13 h14", "text 0,2 \"a\" w800", "text 7,2 \"b\""}},
        // Rules: pixels, percent of the area (rounded), the whole area, 100 pixels.
        {"<hr=50>", 200, {"50x12 w50 h12", "line 0,6-50,6"}},
        {"<hr=50%>", 200, {"0x12 w0 h12", "line 0,6-100,6"}},
        {"<hr>", 200, {"0x12 w0 h12", "line 0,6-200,6"}},
        {"<hr=>", 200, {"100x12 w100 h12", "line 0,6-100,6"}},
        {"<hr=50%>", 33, {"0x12 w0 h12", "line 0,6-17,6"}},
        {"<al_c>abcdefghij<br><hr=50%>", 60, {"60x24 w60,30 h12,12", "text 0,0 \"abcdefghij\"", "line 15,18-45,18"}},
        {"ab<hr=10>c", -1, {"28x12 w28 h12", "text 0,0 \"ab\"", "line 12,6-22,6", "text 22,0 \"c\""}},
        {"<ct=0xFF0000><hr=5>", -1, {"5x12 w5 h12", "line 0,6-5,6 #0000FF"}},
        // The tallest run sets the line height; runs sit on the base cell bottom.
        {"a<b>B</b>c", -1, {"19x14 w19 h14", "text 0,2 \"a\"", "text 6,2 \"B\" w800", "text 13,2 \"c\""}},
        {"a<img=x.bmp>b<ilst=2>c", -1, {"18x12 w18 h12", "text 0,0 \"a\"", "text 6,0 \"b\"", "text 12,0 \"c\""}},
        {"shown<b>bold</b><br=2 lost", -1, {"58x14 w58 h14", "text 0,2 \"shown\"", "text 30,2 \"bold\" w800"}},
        {"a  b", -1, {"24x12 w24 h12", "text 0,0 \"a  b\""}},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(LayOut(c.markup, c.drawWidth), c.golden) << c.markup;
    // An area offset moves everything.
    EXPECT_EQ(LayOut("<al_r>ab<br>abcd<hr=4>", -1, 100, 50),
              (Calls{"28x24 w12,28 h12,12", "text 116,50 \"ab\"", "text 100,62 \"abcd\"", "line 124,68-128,68"}));
}

TEST(CRichMarkupRenderer, MeasureRebuildsTheLineTablesForEachText)
{
    FakeMarkupSurface surface;
    CRichMarkupRenderer renderer = Renderer();
    renderer.Render(surface, "a<br>b<br>c", {0, 0, 0}, MarkupPass::Measure);
    renderer.Render(surface, "abcdef", {0, 0, 0}, MarkupPass::Measure);
    EXPECT_EQ(renderer.LineWidths(), (Table{36}));
    EXPECT_EQ(renderer.LineHeights(), (Table{12}));
    // An empty text is nothing at all.
    EXPECT_EQ(renderer.Render(surface, "", {0, 0, 0}, MarkupPass::Measure), (MarkupSize{0, 0}));
    EXPECT_TRUE(renderer.LineWidths().empty());
    EXPECT_EQ(renderer.Render(surface, "", {0, 0, 100}, MarkupPass::Draw), (MarkupSize{0, 0}));
    EXPECT_TRUE(surface.calls.empty());
    // Drawing more lines than were measured neither reads past the tables nor stops.
    renderer.Render(surface, "one", {0, 0, 0}, MarkupPass::Measure);
    EXPECT_EQ(renderer.Render(surface, "<al_c>a<br>b<br>c", {0, 0, 60}, MarkupPass::Draw).height, 36);
    EXPECT_EQ(surface.calls, (Calls{"text 21,0 \"a\"", "text 30,12 \"b\"", "text 30,24 \"c\""}));
}

TEST(CRichMarkupRenderer, MeasureLeavesColoursAloneAndBoldIsCappedAt900)
{
    FakeMarkupSurface surface;
    surface.SetTextColor(MarkupRgb(1, 2, 3));
    Renderer().Render(surface, "<ct=0xFF><cb=5>x", {0, 0, 0}, MarkupPass::Measure);
    EXPECT_EQ(surface.TextColor(), MarkupRgb(1, 2, 3));
    EXPECT_FALSE(surface.BackgroundOpaque());

    MarkupFont heavy = FakeMarkupSurface::BaseFont();
    heavy.weight = 600;
    FakeMarkupSurface heavySurface(heavy);
    CRichMarkupRenderer renderer = Renderer();
    renderer.Render(heavySurface, "<b>x</b>y", {0, 0, 0}, MarkupPass::Measure);
    renderer.Render(heavySurface, "<b>x</b>y", {0, 0, 100}, MarkupPass::Draw);
    EXPECT_EQ(heavySurface.calls, (Calls{"text 0,0 \"x\" w900", "text 7,0 \"y\" w600"}));
}

// The fixed colours of the index table, and the tooltip's own colours in their places.
TEST(CRichMarkupRenderer, PaletteHoldsTheFixedAndSystemEntries)
{
    const MarkupPalette palette = MakeMarkupPalette(MarkupRgb(1, 1, 1), MarkupRgb(2, 2, 2), MarkupRgb(3, 3, 3));
    const std::pair<int, MarkupColor> cases[] = {
        // clang-format off
        {0, MarkupRgb(0, 0, 0)}, {1, MarkupRgb(0, 0, 128)}, {4, MarkupRgb(128, 0, 0)}, {7, MarkupRgb(128, 128, 128)},
        {8, MarkupRgb(0, 0, 255)}, {11, MarkupRgb(255, 0, 0)}, {14, MarkupRgb(192, 192, 192)},
        {15, MarkupRgb(255, 255, 255)}, {17, MarkupRgb(1, 1, 1)}, {18, MarkupRgb(2, 2, 2)}, {20, MarkupRgb(2, 2, 2)},
        {21, MarkupRgb(0, 0, 238)}, {22, MarkupRgb(85, 26, 139)}, {23, MarkupRgb(255, 0, 0)}, {24, MarkupRgb(3, 3, 3)},
        {25, MarkupRgb(1, 1, 1)},
        // clang-format on
    };
    for (const auto& [index, color] : cases)
        EXPECT_EQ(palette[index], color) << "index " << index;
}

}  // namespace
