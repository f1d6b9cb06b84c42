#include "markup/QtMarkupSurface.h"

#include <QFontInfo>
#include <QPainter>

#include <algorithm>

#include "markup/QtCodePage.h"

QtMarkupSurface::FontEntry::FontEntry(const MarkupFont& d, const QFont& f)
    : description(d), font(f), metrics(f)
{
}

QFont QtMarkupSurface::Prepared(QFont font)
{
    font.setKerning(false);
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

QtMarkupSurface::QtMarkupSurface(QPainter* painter, const QFont& baseFont)
    : m_painter(painter), m_baseFont(Prepared(baseFont))
{
    const MarkupFont base = DescriptionOf(baseFont);
    QFont font = m_baseFont;
    font.setPixelSize(std::max(base.height, 1));
    m_fonts.emplace_back(base, font);
    if (m_painter)
        m_painter->setFont(m_fonts.front().font);
}

MarkupFont QtMarkupSurface::DescriptionOf(const QFont& font)
{
    MarkupFont d;
    d.height = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    d.weight = static_cast<int>(font.weight());
    d.italic = font.italic();
    d.underline = font.underline();
    d.strikeOut = font.strikeOut();
    d.face = font.family().toStdString();
    return d;
}

QColor QtMarkupSurface::ToQColor(MarkupColor color)
{
    return QColor(MarkupRed(color), MarkupGreen(color), MarkupBlue(color));
}

MarkupColor QtMarkupSurface::FromQColor(const QColor& color)
{
    return MarkupRgb(color.red(), color.green(), color.blue());
}

MarkupFont QtMarkupSurface::Font() const
{
    return Current().description;
}

void QtMarkupSurface::SelectFont(const MarkupFont& font)
{
    auto found = std::find_if(m_fonts.begin(), m_fonts.end(),
                              [&](const FontEntry& e) { return e.description == font; });
    if (found == m_fonts.end()) {
        QFont q = m_baseFont;
        if (!font.face.empty())
            q.setFamily(QString::fromStdString(font.face));
        q.setPixelSize(std::max(font.height, 1));
        q.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
        q.setItalic(font.italic);
        q.setUnderline(font.underline);
        q.setStrikeOut(font.strikeOut);
        m_fonts.emplace_back(font, q);
        found = m_fonts.end() - 1;
    }
    m_current = static_cast<std::size_t>(found - m_fonts.begin());
    if (m_painter)
        m_painter->setFont(Current().font);
}

MarkupFontMetrics QtMarkupSurface::Metrics() const
{
    return {Current().metrics.height(), Current().metrics.averageCharWidth()};
}

MarkupSize QtMarkupSurface::MeasureText(std::string_view text)
{
    const FontEntry& f = Current();
    const long long width = f.metrics.horizontalAdvance(Windows1252ToQString(text));
    return {static_cast<int>(std::min<long long>(width, kMarkupCoordinateLimit)), f.metrics.height()};
}

void QtMarkupSurface::DrawAt(int x, int y, const QString& text, int width)
{
    const QFontMetrics& m = Current().metrics;
    if (m_opaque)
        m_painter->fillRect(QRect(x, y, width, m.height()), ToQColor(m_backColor));
    m_painter->setPen(ToQColor(m_textColor));
    m_painter->drawText(QPoint(x, y + m.ascent()), text);
}

void QtMarkupSurface::DrawText(int x, int y, std::string_view text)
{
    if (!m_painter)
        return;
    DrawAt(x, y, Windows1252ToQString(text), MeasureText(text).width);
}

void QtMarkupSurface::DrawTextClipped(const MarkupRect& clip, std::string_view text)
{
    if (!m_painter || clip.right <= clip.left || clip.bottom <= clip.top)
        return;
    const QString q = Windows1252ToQString(text);
    // Clipping costs more than the text itself; most runs fit their rectangle.
    const MarkupSize size = MeasureText(text);
    if (size.width <= clip.Width() && size.height <= clip.Height()) {
        DrawAt(clip.left, clip.top, q, clip.Width());
        return;
    }
    m_painter->save();
    m_painter->setClipRect(QRect(clip.left, clip.top, clip.Width(), clip.Height()), Qt::IntersectClip);
    DrawAt(clip.left, clip.top, q, clip.Width());
    m_painter->restore();
}

void QtMarkupSurface::DrawLine(int x1, int y1, int x2, int y2, MarkupColor color)
{
    if (!m_painter)
        return;
    if (y1 == y2) {
        // Horizontal rules as filled rows: one pixel high at any scale, and the
        // end point left out.
        if (x1 != x2)
            m_painter->fillRect(QRect(std::min(x1, x2), y1, std::abs(x2 - x1), 1), ToQColor(color));
        return;
    }
    m_painter->save();
    m_painter->setPen(QPen(ToQColor(color), 1));
    m_painter->drawLine(x1, y1, x2, y2);
    m_painter->restore();
}

void QtMarkupSurface::FillRect(const MarkupRect& rect, MarkupColor color)
{
    if (m_painter && rect.right > rect.left && rect.bottom > rect.top)
        m_painter->fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(color));
}
