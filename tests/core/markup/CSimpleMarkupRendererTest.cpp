// Golden layouts of the formatted text box on the fixed-metrics surface
// (characters 6 wide and 12 high, bold 7 wide and 14 high). A client
// rectangle of width w gives the usable right edge w - 2 and left edge 1.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "markup/CSimpleMarkupRenderer.h"
#include "core/markup/FakeMarkupSurface.h"

namespace {

using Calls = std::vector<std::string>;

Calls Paint(const std::string& markup, MarkupRect client)
{
    FakeMarkupSurface surface;
    surface.SetBackgroundOpaque(true);
    CSimpleMarkupRenderer::Render(surface, markup, client);
    EXPECT_EQ(surface.Font(), FakeMarkupSurface::BaseFont()) << "font not restored: " << markup;
    EXPECT_TRUE(surface.BackgroundOpaque()) << "background mode not restored: " << markup;
    return surface.calls;
}

TEST(CSimpleMarkupRenderer, GoldenLayouts)
{
    const MarkupRect box{0, 0, 102, 50};     // usable right 100, bottom 48
    const MarkupRect narrow{0, 0, 62, 100};  // usable right 60
    const struct {
        const char* name;
        std::string markup;
        MarkupRect client;
        Calls calls;
    } cases[] = {
        {"centred by default", "Name", box, {"clip 38,1-62,13 \"Name\""}},
        {"left alignment for the rest",
         "<al>Hi<br>there",
         box,
         {"clip 1,1-13,13 \"Hi\"", "clip 1,13-31,25 \"there\""}},
        {"right alignment ends at the usable edge", "<al_r>abc", box, {"clip 82,1-100,13 \"abc\""}},
        {"alignment tags in capitals",
         "<AL_R>abc<Al_L><bR>x",
         box,
         {"clip 82,1-100,13 \"abc\"", "clip 1,13-7,25 \"x\""}},
        {"a second run is placed from the advanced pen",
         "<al_c>ab<b>cd",
         box,
         {"clip 44,1-56,13 \"ab\"", "clip 49,1-63,15 \"cd\" w800"}},
        {"bold name, then text on the next line",
         "<b>Name</b><br>Text",
         box,
         {"clip 36,1-64,15 \"Name\" w800", "clip 38,15-62,27 \"Text\""}},
        {"italic", "<al><i>it</i>x", box, {"clip 1,1-13,13 \"it\" i", "clip 13,1-19,13 \"x\""}},
        {"newline character starts a line", "<al>a\nb", box, {"clip 1,1-7,13 \"a\"", "clip 1,13-7,25 \"b\""}},
        {"line height is the last run's",
         "<al><b>B</b>x<br>y",
         box,
         {"clip 1,1-8,15 \"B\" w800", "clip 8,1-14,13 \"x\"", "clip 1,13-7,25 \"y\""}},
        {"a break before any text does not move", "<al><br><br>x", box, {"clip 1,1-7,13 \"x\""}},
        {"rule three pixels below the line top across the box",
         "<al>ab<br><hr=100%><br>c",
         box,
         {"clip 1,1-13,13 \"ab\"", "line 3,16-99,16", "clip 1,25-7,37 \"c\""}},
        {"rule value is not used", "<hr=5>", box, {"line 3,4-99,4"}},
        {"an unclosed rule takes the rest", "a<hr=5 b", box, {"clip 47,1-53,13 \"a\"", "line 3,4-99,4"}},
        {"unknown tag shows without its less-than",
         "<al>a<u>b",
         box,
         {"clip 1,1-7,13 \"a\"", "clip 7,1-25,13 \"u>b\""}},
        {"tab tags are not known here",
         "<al>Level:<t=1>5",
         box,
         {"clip 1,1-37,13 \"Level:\"", "clip 37,1-67,13 \"t=1>5\""}},
        {"stray less-than at the end", "<al>ab<", box, {"clip 1,1-13,13 \"ab\""}},
        {"wraps at the last fitting space",
         "<al>aaa bbb ccc ddd",
         narrow,
         {"clip 1,1-43,13 \"aaa bbb\"", "clip 1,13-43,25 \"ccc ddd\""}},
        {"wrapped lines are centred each",
         "aaa bbb ccc",
         narrow,
         {"clip 9,1-51,13 \"aaa bbb\"", "clip 21,13-39,25 \"ccc\""}},
        {"a word wider than the box breaks at the edge",
         "<al>abcdefghijklmnop",
         narrow,
         {"clip 1,1-55,13 \"abcdefghi\"", "clip 1,13-43,25 \"jklmnop\""}},
        {"a word that does not fit after a run moves to the next line",
         "<al><b>Name:</b> abcdefghi",
         narrow,
         {"clip 1,1-36,15 \"Name:\" w800", "clip 1,13-55,25 \"abcdefghi\""}},
        {"cut at the last fitting space, one space after the cut is skipped",
         "<al>aaaaaaaa  bb",
         narrow,
         {"clip 1,1-55,13 \"aaaaaaaa \"", "clip 1,13-13,25 \"bb\""}},
        {"a single space at the cut is skipped, further ones are text",
         "<al>aaaaaaaaa   bb",
         narrow,
         {"clip 1,1-55,13 \"aaaaaaaaa\"", "clip 1,13-25,25 \"  bb\""}},
        {"text below the bottom is cut off",
         "<al>a<br>b<br>c<br>d",
         MarkupRect{0, 0, 102, 32},
         {"clip 1,1-7,13 \"a\"", "clip 1,13-7,25 \"b\"", "clip 1,25-7,30 \"c\""}},
        {"offset client rectangle", "<al>ab", MarkupRect{10, 20, 112, 70}, {"clip 11,21-23,33 \"ab\""}},
        {"empty text draws nothing", "", box, {}},
        {"a box narrower than a letter shows one per line",
         "<al>abc",
         MarkupRect{0, 0, 6, 100},
         {"clip 1,1-4,13 \"a\"", "clip 1,13-4,25 \"b\"", "clip 1,25-4,37 \"c\""}},
        {"a zero-sized box shows no text", "some words here", MarkupRect{0, 0, 0, 0}, {}},
        {"a zero-sized box still finishes a rule", "x<hr=1>", MarkupRect{5, 5, 5, 5}, {"line 8,9-2,9"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Paint(c.markup, c.client), c.calls);
    }
}

}  // namespace
