// Golden layouts of the formatted text box on the fixed-metrics surface
// (characters 6 wide and 12 high, bold 7 wide and 14 high). A client
// rectangle of width w gives the usable right edge w - 2 and left edge 1.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/markup/FakeMarkupSurface.h"
#include "markup/CSimpleMarkupRenderer.h"

namespace {

using Calls = std::vector<std::string>;

TEST(CSimpleMarkupRenderer, GoldenLayouts)
{
    const MarkupRect box{0, 0, 102, 50};     // usable right 100, bottom 48
    const MarkupRect narrow{0, 0, 62, 100};  // usable right 60
    const struct {
        std::string markup;
        MarkupRect client;
        Calls calls;
    } cases[] = {
        // clang-format off
        {"Name", box, {"clip 38,1-62,13 \"Name\""}},  // centred by default
        {"<al>Hi<br>there", box, {"clip 1,1-13,13 \"Hi\"", "clip 1,13-31,25 \"there\""}},
        {"<al_r>abc", box, {"clip 82,1-100,13 \"abc\""}},
        {"<AL_R>abc<Al_L><bR>x", box, {"clip 82,1-100,13 \"abc\"", "clip 1,13-7,25 \"x\""}},
        {"<al_c>ab<b>cd", box, {"clip 44,1-56,13 \"ab\"", "clip 49,1-63,15 \"cd\" w800"}},
        {"<b>Name</b><br>Text", box, {"clip 36,1-64,15 \"Name\" w800", "clip 38,15-62,27 \"Text\""}},
        {"<al><i>it</i>x", box, {"clip 1,1-13,13 \"it\" i", "clip 13,1-19,13 \"x\""}},
        {"<al>a\nb", box, {"clip 1,1-7,13 \"a\"", "clip 1,13-7,25 \"b\""}},
        // The line height is the last run's; a break before any text does not move.
        {"<al><b>B</b>x<br>y", box, {"clip 1,1-8,15 \"B\" w800", "clip 8,1-14,13 \"x\"", "clip 1,13-7,25 \"y\""}},
        {"<al><br><br>x", box, {"clip 1,1-7,13 \"x\""}},
        // Rules run three pixels below the line top across the box, whatever their value.
        {"<al>ab<br><hr=100%><br>c", box, {"clip 1,1-13,13 \"ab\"", "line 3,16-99,16", "clip 1,25-7,37 \"c\""}},
        {"<hr=5>", box, {"line 3,4-99,4"}},
        {"a<hr=5 b", box, {"clip 47,1-53,13 \"a\"", "line 3,4-99,4"}},
        // Unknown tags (tabs among them) show without their less-than.
        {"<al>a<u>b", box, {"clip 1,1-7,13 \"a\"", "clip 7,1-25,13 \"u>b\""}},
        {"<al>Level:<t=1>5", box, {"clip 1,1-37,13 \"Level:\"", "clip 37,1-67,13 \"t=1>5\""}},
        {"<al>ab<", box, {"clip 1,1-13,13 \"ab\""}},
        // Wrapping: at the last fitting space, each line centred; a word wider than
        // the box breaks at the edge; one space after the cut is skipped.
        {"<al>aaa bbb ccc ddd", narrow, {"clip 1,1-43,13 \"aaa bbb\"", "clip 1,13-43,25 \"ccc ddd\""}},
        {"aaa bbb ccc", narrow, {"clip 9,1-51,13 \"aaa bbb\"", "clip 21,13-39,25 \"ccc\""}},
        {"<al>abcdefghijklmnop", narrow, {"clip 1,1-55,13 \"abcdefghi\"", "clip 1,13-43,25 \"jklmnop\""}},
        {"<al><b>Name:</b> abcdefghi", narrow, {"clip 1,1-36,15 \"Name:\" w800", "clip 1,13-55,25 \"abcdefghi\""}},
        {"<al>aaaaaaaa  bb", narrow, {"clip 1,1-55,13 \"aaaaaaaa \"", "clip 1,13-13,25 \"bb\""}},
        {"<al>aaaaaaaaa   bb", narrow, {"clip 1,1-55,13 \"aaaaaaaaa\"", "clip 1,13-25,25 \"  bb\""}},
        // Cut at the bottom; offset, empty, narrower than a letter, zero-sized.
        {"<al>a<br>b<br>c<br>d", MarkupRect{0, 0, 102, 32}, {"clip 1,1-7,13 \"a\"", "clip 1,13-7,25 \"b\"", "clip 1,25-7,30 \"c\""}},
        {"<al>ab", MarkupRect{10, 20, 112, 70}, {"clip 11,21-23,33 \"ab\""}},
        {"", box, {}},
        {"<al>abc", MarkupRect{0, 0, 6, 100}, {"clip 1,1-4,13 \"a\"", "clip 1,13-4,25 \"b\"", "clip 1,25-4,37 \"c\""}},
        {"some words here", MarkupRect{0, 0, 0, 0}, {}},
        {"x<hr=1>", MarkupRect{5, 5, 5, 5}, {"line 8,9-2,9"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        FakeMarkupSurface surface;
        surface.SetBackgroundOpaque(true);
        CSimpleMarkupRenderer::Render(surface, c.markup, c.client);
        EXPECT_EQ(surface.calls, c.calls) << c.markup;
        EXPECT_EQ(surface.Font(), FakeMarkupSurface::BaseFont()) << "font not restored: " << c.markup;
        EXPECT_TRUE(surface.BackgroundOpaque()) << "background mode not restored: " << c.markup;
    }
}

}  // namespace
