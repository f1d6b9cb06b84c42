// The markup renderers' drawing surface on a QPainter. Without a painter it
// only measures (the tooltip sizes itself before it is shown). Fonts are
// described by MarkupFont and made from the base QFont's family.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>

#include <array>
#include <vector>

#include "markup/CMarkupSurface.h"

class QPainter;

class QtMarkupSurface : public CMarkupSurface {
public:
    QtMarkupSurface(QPainter* painter, const QFont& baseFont);

    static MarkupFont DescriptionOf(const QFont& font);
    static QColor ToQColor(MarkupColor color);
    static MarkupColor FromQColor(const QColor& color);

    MarkupFont Font() const override;
    void SelectFont(const MarkupFont& font) override;
    MarkupFontMetrics Metrics() const override;
    MarkupSize MeasureText(std::string_view text) override;

    MarkupColor TextColor() const override { return m_textColor; }
    void SetTextColor(MarkupColor color) override { m_textColor = color; }
    MarkupColor BackgroundColor() const override { return m_backColor; }
    void SetBackgroundColor(MarkupColor color) override { m_backColor = color; }
    bool BackgroundOpaque() const override { return m_opaque; }
    void SetBackgroundOpaque(bool opaque) override { m_opaque = opaque; }

    void DrawText(int x, int y, std::string_view text) override;
    void DrawTextClipped(const MarkupRect& clip, std::string_view text) override;
    void DrawLine(int x1, int y1, int x2, int y2, MarkupColor color) override;
    void FillRect(const MarkupRect& rect, MarkupColor color) override;

    const QFont& CurrentQFont() const { return Current().font; }

private:
    struct FontEntry {
        FontEntry(const MarkupFont& d, const QFont& f);
        MarkupFont description;
        QFont font;
        // Runs are measured and drawn with the same kerning-free font, so a
        // measured width is the drawn width.
        QFontMetrics metrics;
    };
    static QFont Prepared(QFont font);
    const FontEntry& Current() const { return m_fonts[m_current]; }
    void DrawAt(int x, int y, const QString& text, int width);

    QPainter* m_painter;
    QFont m_baseFont;
    std::vector<FontEntry> m_fonts;  // a few at most: base, bold, italic, …
    std::size_t m_current = 0;
    MarkupColor m_textColor = 0;
    MarkupColor m_backColor = 0xFFFFFF;
    bool m_opaque = false;
};
