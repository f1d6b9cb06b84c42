// The fixed-metrics surface, recording what is drawn, one line of text per
// call, so that layouts compare as plain strings.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "support/FixedMetricsSurface.h"

class FakeMarkupSurface : public FixedMetricsSurface {
public:
    using FixedMetricsSurface::FixedMetricsSurface;

    void SelectFont(const MarkupFont& font) override
    {
        FixedMetricsSurface::SelectFont(font);
        ++fontSelections;
    }
    MarkupSize MeasureText(std::string_view text) override
    {
        ++measures;
        return FixedMetricsSurface::MeasureText(text);
    }

    void DrawText(int x, int y, std::string_view text) override
    {
        calls.push_back("text " + Point(x, y) + " \"" + std::string(text) + "\"" + Style());
    }
    void DrawTextClipped(const MarkupRect& clip, std::string_view text) override
    {
        calls.push_back("clip " + Point(clip.left, clip.top) + "-" + Point(clip.right, clip.bottom) + " \"" +
                        std::string(text) + "\"" + Style());
    }
    void DrawLine(int x1, int y1, int x2, int y2, MarkupColor color) override
    {
        calls.push_back("line " + Point(x1, y1) + "-" + Point(x2, y2) + Color(color));
    }
    void FillRect(const MarkupRect& rect, MarkupColor color) override
    {
        calls.push_back("fill " + Point(rect.left, rect.top) + "-" + Point(rect.right, rect.bottom) +
                        Color(color));
    }

    std::vector<std::string> calls;
    int measures = 0;
    int fontSelections = 0;

private:
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
