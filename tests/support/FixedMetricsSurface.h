// A drawing surface with fixed glyph metrics, the same on every machine: a
// character is 6 pixels wide (7 bold, weight above 400), a run as high as the
// font (2 more bold). It keeps font and colours and draws nothing; the golden
// tests, the fuzz target and the benchmark derive from it to record the calls.
#pragma once

#include <string_view>

#include "markup/CMarkupSurface.h"

class FixedMetricsSurface : public CMarkupSurface {
public:
    explicit FixedMetricsSurface(MarkupFont font = BaseFont()) : m_font(std::move(font)) {}

    static MarkupFont BaseFont()
    {
        MarkupFont font;
        font.height = 12;
        font.weight = 400;
        font.face = "Fixed";
        return font;
    }

    MarkupFont Font() const override { return m_font; }
    void SelectFont(const MarkupFont& font) override { m_font = font; }
    MarkupFontMetrics Metrics() const override { return {CellHeight(), CharWidth()}; }
    MarkupSize MeasureText(std::string_view text) override
    {
        return {static_cast<int>(text.size()) * CharWidth(), CellHeight()};
    }

    MarkupColor TextColor() const override { return m_text; }
    void SetTextColor(MarkupColor color) override { m_text = color; }
    MarkupColor BackgroundColor() const override { return m_back; }
    void SetBackgroundColor(MarkupColor color) override { m_back = color; }
    bool BackgroundOpaque() const override { return m_opaque; }
    void SetBackgroundOpaque(bool opaque) override { m_opaque = opaque; }

    void DrawText(int, int, std::string_view) override {}
    void DrawTextClipped(const MarkupRect&, std::string_view) override {}
    void DrawLine(int, int, int, int, MarkupColor) override {}
    void FillRect(const MarkupRect&, MarkupColor) override {}

protected:
    bool Bold() const { return m_font.weight > 400; }
    int CharWidth() const { return Bold() ? 7 : 6; }
    int CellHeight() const { return m_font.height + (Bold() ? 2 : 0); }

private:
    MarkupFont m_font;
    MarkupColor m_text = 0;
    MarkupColor m_back = MarkupRgb(255, 255, 225);
    bool m_opaque = false;
};
