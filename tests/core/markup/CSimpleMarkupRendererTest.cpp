// Golden layouts of the formatted text box on the fixed-metrics surface
// (characters 6 wide and 12 high, bold 7 wide and 14 high). A client
// rectangle of width w gives the usable right edge w - 2 and left edge 1.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/markup/FakeMarkupSurface.h"
#include "core/markup/GoldenRows.h"
#include "markup/CSimpleMarkupRenderer.h"

namespace {

using Calls = std::vector<std::string>;

// Golden rows: markup, the client rectangle (left,top,right,bottom), the calls.
TEST(CSimpleMarkupRenderer, GoldenLayouts)
{
    for (const auto& row : GoldenRows("simple.txt")) {
        MarkupRect client{};
        ASSERT_EQ(std::sscanf(row.at(1).c_str(), "%d,%d,%d,%d", &client.left, &client.top, &client.right,
                              &client.bottom), 4);
        FakeMarkupSurface surface;
        surface.SetBackgroundOpaque(true);
        CSimpleMarkupRenderer::Render(surface, row[0], client);
        EXPECT_EQ(surface.calls, Calls(row.begin() + 2, row.end())) << row[0];
        EXPECT_EQ(surface.Font(), FakeMarkupSurface::BaseFont()) << "font not restored: " << row[0];
        EXPECT_TRUE(surface.BackgroundOpaque()) << "background mode not restored: " << row[0];
    }
}

}  // namespace
