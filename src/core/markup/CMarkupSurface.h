// What the markup renderers need from a drawing target. The Qt surface paints
// with QPainter; the tests use one with fixed glyph metrics that records calls.
// Text is Windows-1252 bytes; only a surface that shows it converts it.
#pragma once

#include <string_view>

#include "markup/MarkupTypes.h"

class CMarkupSurface {
public:
    virtual ~CMarkupSurface() = default;

    virtual MarkupFont Font() const = 0;
    virtual void SelectFont(const MarkupFont& font) = 0;
    virtual MarkupFontMetrics Metrics() const = 0;
    // Width and height of the text in the selected font.
    virtual MarkupSize MeasureText(std::string_view text) = 0;

    virtual MarkupColor TextColor() const = 0;
    virtual void SetTextColor(MarkupColor color) = 0;
    virtual MarkupColor BackgroundColor() const = 0;
    virtual void SetBackgroundColor(MarkupColor color) = 0;
    virtual bool BackgroundOpaque() const = 0;
    virtual void SetBackgroundOpaque(bool opaque) = 0;

    // Top-left corner of the text at (x, y); an opaque background fills the
    // text's extent first.
    virtual void DrawText(int x, int y, std::string_view text) = 0;
    // The text from the clip's top-left corner, cut off at the clip's edges.
    virtual void DrawTextClipped(const MarkupRect& clip, std::string_view text) = 0;
    // A one-pixel solid line; the end point is not drawn.
    virtual void DrawLine(int x1, int y1, int x2, int y2, MarkupColor color) = 0;
    virtual void FillRect(const MarkupRect& rect, MarkupColor color) = 0;
};
