// Golden layouts of the tooltip renderer on the fixed-metrics surface: base
// font 12 high, characters 6 wide (bold 7 wide, 14 high), tab stops every 24.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/markup/FakeMarkupSurface.h"
#include "core/markup/GoldenRows.h"
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

// Golden rows: markup, the width to draw into (-1: the measured one), the
// layout line, then the calls.
TEST(CRichMarkupRenderer, GoldenLayouts)
{
    for (const auto& row : GoldenRows("rich.txt"))
        EXPECT_EQ(LayOut(row.at(0), std::stoi(row.at(1))), Calls(row.begin() + 2, row.end())) << row[0];
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
