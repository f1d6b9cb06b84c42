// The fixed-metrics surface, recording what is drawn, one line of text per
// call, so that layouts compare as plain strings. Every coordinate a layout
// hands it must lie within the layout's range.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "support/FixedMetricsSurface.h"

class FakeMarkupSurface : public FixedMetricsSurface {
public:
    using FixedMetricsSurface::FixedMetricsSurface;

    void DrawText(int x, int y, std::string_view text) override
    {
        Record({x, y}, "text " + Point(x, y) + " \"" + std::string(text) + "\"" + Style());
    }
    void DrawTextClipped(const MarkupRect& clip, std::string_view text) override
    {
        EXPECT_LE(clip.left, clip.right);
        EXPECT_LE(clip.top, clip.bottom);
        Record({clip.left, clip.top, clip.right, clip.bottom}, "clip " + Point(clip.left, clip.top) + "-" +
                                                                   Point(clip.right, clip.bottom) + " \"" +
                                                                   std::string(text) + "\"" + Style());
    }
    void DrawLine(int x1, int y1, int x2, int y2, MarkupColor color) override
    {
        Record({x1, y1, x2, y2}, "line " + Point(x1, y1) + "-" + Point(x2, y2) + Color(color));
    }

    std::vector<std::string> calls;

private:
    void Record(std::initializer_list<int> coordinates, std::string call)
    {
        for (const int v : coordinates)
            EXPECT_TRUE(v >= -kMarkupCoordinateLimit && v <= kMarkupCoordinateLimit) << call;
        calls.push_back(std::move(call));
    }
    static std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    // Black text is the default and left out; other colours as #RRGGBB.
    static std::string Color(MarkupColor color)
    {
        if (color == 0)
            return {};
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, " #%02X%02X%02X", MarkupRed(color), MarkupGreen(color),
                      MarkupBlue(color));
        return buffer;
    }
    std::string Style() const
    {
        const MarkupFont font = Font();
        std::string style;
        if (font.weight != 400)
            style += " w" + std::to_string(font.weight);
        if (font.italic)
            style += " i";
        if (font.underline)
            style += " u";
        if (font.strikeOut)
            style += " s";
        style += Color(TextColor());
        if (BackgroundOpaque())
            style += " on" + (BackgroundColor() == 0 ? std::string(" #000000") : Color(BackgroundColor()));
        return style;
    }
};
