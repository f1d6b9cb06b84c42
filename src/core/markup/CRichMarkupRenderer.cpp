#include "markup/CRichMarkupRenderer.h"

#include <algorithm>

namespace {

std::int64_t Clamp(std::int64_t v)
{
    return std::clamp(v, -kMarkupCoordinateLimit, kMarkupCoordinateLimit);
}

// a * b / c rounded to nearest, halves away from zero.
std::int64_t MulDivRound(std::int64_t a, std::int64_t b, std::int64_t c)
{
    const std::int64_t product = a * b;
    const std::int64_t half = c / 2;
    return product >= 0 ? (product + half) / c : (product - half) / c;
}

bool ValidIndex(std::int32_t index)
{
    return index >= 0 && index < kMarkupPaletteSize;
}

class Pass {
public:
    Pass(CMarkupSurface& surface, const MarkupPalette& palette, const MarkupArea& area, MarkupPass pass,
         std::vector<std::int32_t>& widths, std::vector<std::int32_t>& heights)
        : m_surface(surface), m_palette(palette), m_area(area), m_measure(pass == MarkupPass::Measure),
          m_widths(widths), m_heights(heights)
    {
        m_base = surface.Font();
        m_font = m_base;
        const MarkupFontMetrics metrics = surface.Metrics();
        m_cellHeight = metrics.cellHeight;
        // A font without an average width still gets tab stops one pixel apart
        // rather than a division by zero.
        m_tabWidth = std::max<std::int64_t>(4 * static_cast<std::int64_t>(metrics.averageCharWidth), 1);
        m_x = area.left;
        m_y = area.top;
        m_lineHeight = m_cellHeight;
        if (m_measure) {
            m_widths.clear();
            m_heights.clear();
            m_percents.clear();
        }
    }

    MarkupSize Run(const MarkupTokens& tokens)
    {
        for (const MarkupToken& token : tokens.tokens) {
            if (token.kind == MarkupTokenKind::Text)
                EmitRun(tokens.TextOf(token));
            else
                Apply(token);
        }
        MarkupSize size;
        size.height = static_cast<int>(Clamp(m_y - m_area.top));
        if (m_measure) {
            for (std::size_t line = 0; line < m_percents.size() && line < m_widths.size(); ++line) {
                if (m_percents[line] != 0)
                    m_widths[line] = static_cast<std::int32_t>(
                        Clamp(m_widths[line] + MulDivRound(m_widest, m_percents[line], 100)));
            }
            size.width = static_cast<int>(m_widest);
        }
        return size;
    }

private:
    std::int64_t TableWidth() const { return m_line < m_widths.size() ? m_widths[m_line] : 0; }

    // The height of this line: the measured one while drawing (the current
    // height when a line was never measured), the running maximum while measuring.
    std::int64_t LineHeight() const
    {
        if (!m_measure && m_line < m_heights.size())
            return m_heights[m_line];
        return m_lineHeight;
    }

    void AlignLineStart()
    {
        if (!m_atLineStart || m_measure)
            return;
        const std::int64_t span = static_cast<std::int64_t>(m_area.right) - m_area.left;
        if (m_align == 1)
            m_x = Clamp(m_area.left + (span - TableWidth()) / 2);
        else if (m_align == 2)
            m_x = Clamp(m_area.right - TableWidth());
    }

    void EmitRun(std::string_view run)
    {
        if (run.empty())
            return;
        AlignLineStart();
        const MarkupSize size = m_surface.MeasureText(run);
        if (m_measure) {
            m_lineHeight = std::max<std::int64_t>(m_lineHeight, size.height);
        } else {
            const std::int64_t top = Clamp(m_y + LineHeight() - m_cellHeight);
            m_surface.DrawText(static_cast<int>(m_x), static_cast<int>(top), run);
        }
        m_x = Clamp(m_x + size.width);
        m_atLineStart = false;
    }

    void SelectFont() { m_surface.SelectFont(m_font); }

    void Apply(const MarkupToken& token)
    {
        switch (token.kind) {
        case MarkupTokenKind::Text:
            break;
        case MarkupTokenKind::LineBreak:
            LineBreak(token.value == 0 ? 1 : token.value);
            break;
        case MarkupTokenKind::Tab:
            Tab(token.value == 0 ? 1 : token.value);
            break;
        case MarkupTokenKind::Bold:
            m_font.weight = token.closing ? m_base.weight : std::min(2 * m_base.weight, 900);
            SelectFont();
            break;
        case MarkupTokenKind::Italic:
            m_font.italic = !token.closing;
            SelectFont();
            break;
        case MarkupTokenKind::Underline:
            m_font.underline = !token.closing;
            SelectFont();
            break;
        case MarkupTokenKind::StrikeOut:
            m_font.strikeOut = !token.closing;
            SelectFont();
            break;
        case MarkupTokenKind::TextColor:
            if (!m_measure)
                m_surface.SetTextColor(token.hasValue ? (static_cast<MarkupColor>(token.value) & 0xFFFFFF)
                                                      : m_palette[markup_index::kDefaultText]);
            break;
        case MarkupTokenKind::TextColorIndex: {
            const std::int32_t index = token.hasValue ? token.value : markup_index::kDefaultText;
            if (!m_measure && ValidIndex(index))
                m_surface.SetTextColor(m_palette[index]);
            break;
        }
        case MarkupTokenKind::BackColor:
            if (!m_measure) {
                m_surface.SetBackgroundColor(token.hasValue
                                                 ? (static_cast<MarkupColor>(token.value) & 0xFFFFFF)
                                                 : m_palette[markup_index::kDefaultBackground]);
                m_surface.SetBackgroundOpaque(!token.closing);
            }
            break;
        case MarkupTokenKind::BackColorIndex: {
            if (m_measure)
                break;
            if (token.closing) {
                m_surface.SetBackgroundOpaque(false);
                break;
            }
            const std::int32_t index = token.hasValue ? token.value : markup_index::kDefaultBackground;
            if (ValidIndex(index)) {
                m_surface.SetBackgroundColor(m_palette[index]);
                m_surface.SetBackgroundOpaque(true);
            }
            break;
        }
        case MarkupTokenKind::AlignLeft:
            m_align = 0;
            break;
        case MarkupTokenKind::AlignCenter:
            if (!m_measure)
                m_align = token.closing ? 0 : 1;
            break;
        case MarkupTokenKind::AlignRight:
            if (!m_measure)
                m_align = token.closing ? 0 : 2;
            break;
        case MarkupTokenKind::Rule:
            Rule(token);
            break;
        case MarkupTokenKind::Image:
        case MarkupTokenKind::ImageListIndex:
            // No images are registered: accepted, nothing drawn, no space taken.
            break;
        }
    }

    void LineBreak(std::int64_t count)
    {
        if (m_measure) {
            const std::int64_t width = m_x - m_area.left;
            m_widths.push_back(static_cast<std::int32_t>(width));
            m_widest = std::max(m_widest, width);
            m_heights.push_back(static_cast<std::int32_t>(m_lineHeight));
        }
        m_y = Clamp(m_y + count * LineHeight());
        ++m_line;
        m_x = m_area.left;
        m_atLineStart = true;
        m_lineHeight = m_cellHeight;
    }

    void Tab(std::int64_t count)
    {
        const std::int64_t r = (m_x - m_area.left) % m_tabWidth;
        if (r != 0) {
            m_x += m_tabWidth - r;
            --count;
        }
        m_x = Clamp(m_x + count * m_tabWidth);
    }

    void Rule(const MarkupToken& token)
    {
        std::int64_t width = token.value;
        if (token.percent) {
            if (m_measure) {
                if (m_percents.size() <= m_line)
                    m_percents.resize(m_line + 1, 0);
                m_percents[m_line] = Clamp(m_percents[m_line] + token.value);
                width = 0;
            } else {
                width = MulDivRound(static_cast<std::int64_t>(m_area.right) - m_area.left, token.value, 100);
            }
        }
        width = Clamp(width);
        if (!m_measure) {
            AlignLineStart();
            const std::int64_t y = Clamp(m_y + LineHeight() / 2);
            m_surface.DrawLine(static_cast<int>(m_x), static_cast<int>(y),
                               static_cast<int>(Clamp(m_x + width)), static_cast<int>(y),
                               m_surface.TextColor());
        }
        m_x = Clamp(m_x + width);
        m_atLineStart = false;
    }

    CMarkupSurface& m_surface;
    const MarkupPalette& m_palette;
    MarkupArea m_area;
    bool m_measure;
    std::vector<std::int32_t>& m_widths;
    std::vector<std::int32_t>& m_heights;
    std::vector<std::int64_t> m_percents;

    MarkupFont m_base;
    MarkupFont m_font;
    std::int64_t m_cellHeight = 0;
    std::int64_t m_tabWidth = 1;
    std::int64_t m_x = 0;
    std::int64_t m_y = 0;
    std::int64_t m_lineHeight = 0;
    std::int64_t m_widest = 0;
    std::size_t m_line = 0;
    int m_align = 0;
    bool m_atLineStart = true;
};

}  // namespace

CRichMarkupRenderer::CRichMarkupRenderer(const MarkupPalette& palette) : m_palette(palette)
{
}

const MarkupTokens& CRichMarkupRenderer::TokensOf(std::string_view text)
{
    if (!m_haveTokens || m_tokenizedText != text) {
        m_tokenizedText.assign(text);
        m_tokens = TokenizeMarkup(text);
        m_haveTokens = true;
    }
    return m_tokens;
}

MarkupSize CRichMarkupRenderer::Render(CMarkupSurface& surface, std::string_view text, const MarkupArea& area,
                                       MarkupPass pass)
{
    if (text.empty()) {
        if (pass == MarkupPass::Measure) {
            m_lineWidths.clear();
            m_lineHeights.clear();
        }
        return {};
    }
    const MarkupFont font = surface.Font();
    const MarkupColor textColor = surface.TextColor();
    const MarkupColor backColor = surface.BackgroundColor();
    const bool opaque = surface.BackgroundOpaque();

    Pass run(surface, m_palette, area, pass, m_lineWidths, m_lineHeights);
    const MarkupSize size = run.Run(TokensOf(text));

    surface.SelectFont(font);
    if (pass == MarkupPass::Draw) {
        surface.SetTextColor(textColor);
        surface.SetBackgroundColor(backColor);
        surface.SetBackgroundOpaque(opaque);
    }
    return size;
}
