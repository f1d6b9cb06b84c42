#include "markup/CSimpleMarkupRenderer.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word)
{
    if (text.size() - at < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = text[at + i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i])
            return false;
    }
    return true;
}

class Painter {
public:
    Painter(CMarkupSurface& surface, std::string_view text, const MarkupRect& client)
        : m_surface(surface), m_text(text)
    {
        // Inside the coordinate range every sum below fits an int.
        const auto clamp = [](int v) {
            return static_cast<int>(
                std::clamp<std::int64_t>(v, -kMarkupCoordinateLimit, kMarkupCoordinateLimit));
        };
        m_area = {clamp(client.left) + 1, clamp(client.top) + 1, clamp(client.right) - 1,
                  clamp(client.bottom) - 1};
        m_right = m_area.right - m_area.left;
        m_bottom = m_area.bottom - m_area.top;
        m_x = m_area.left;
        m_y = m_area.top;
        m_base = surface.Font();
        m_font = m_base;
    }

    void Run()
    {
        std::size_t i = 0;
        std::size_t runStart = 0;
        while (true) {
            const bool atEnd = i >= m_text.size();
            const char c = atEnd ? '\0' : m_text[i];
            if (!atEnd && c != '<' && c != '\n') {
                ++i;
                continue;
            }
            if (i > runStart) {
                const std::size_t resume = EmitRun(runStart, i);
                if (resume < i) {
                    i = resume;
                    runStart = resume;
                    continue;
                }
            }
            if (atEnd)
                break;
            i = Control(i);
            runStart = i;
        }
    }

private:
    std::int64_t Width(std::string_view run, std::int64_t* height)
    {
        const MarkupSize size = m_surface.MeasureText(run);
        if (height)
            *height = size.height;
        return size.width;
    }

    // Draws text[from, to) and returns where reading goes on: `to` when all of
    // it fitted, else the first character that goes to the next line.
    std::size_t EmitRun(std::size_t from, std::size_t to)
    {
        std::string_view run = m_text.substr(from, to - from);
        std::int64_t height = 0;
        std::int64_t w = Width(run, &height);
        m_lineHeight = height;
        std::size_t cut = run.size();
        if (m_x + w > m_right) {
            cut = FittingLength(run);
            run = run.substr(0, cut);
            w = Width(run, &height);
            m_lineHeight = height;
        }
        Draw(run, w);
        if (cut == to - from)
            return to;
        NewLine();
        std::size_t resume = from + cut;
        if (resume < to && m_text[resume] == ' ')
            ++resume;
        return resume;
    }

    // The longest cut of the run that fits from x: first at its spaces, from
    // the last one back, then the first word character by character. Widths
    // grow with length, so the search halves instead of stepping.
    std::size_t FittingLength(std::string_view run)
    {
        const auto fits = [&](std::size_t length) {
            return m_x + Width(run.substr(0, length), nullptr) <= m_right;
        };
        const std::size_t firstSpace = run.find(' ');
        std::size_t best = std::string_view::npos;
        if (firstSpace != std::string_view::npos) {
            std::vector<std::size_t> spaces;
            for (std::size_t p = firstSpace; p != std::string_view::npos; p = run.find(' ', p + 1))
                spaces.push_back(p);
            // Find the last space whose prefix fits.
            std::size_t lo = 0;
            std::size_t hi = spaces.size();
            while (lo < hi) {
                const std::size_t mid = (lo + hi) / 2;
                if (fits(spaces[mid]))
                    lo = mid + 1;
                else
                    hi = mid;
            }
            if (lo > 0)
                best = spaces[lo - 1];
        }
        if (best == std::string_view::npos) {
            // Character by character: the first word (or the whole run) less
            // as many trailing characters as needed.
            const std::size_t word = firstSpace == std::string_view::npos ? run.size() - 1 : firstSpace - 1;
            std::size_t lo = 0;
            std::size_t hi = word + 1;  // lengths 0..word
            while (lo + 1 < hi) {
                const std::size_t mid = (lo + hi) / 2;
                if (fits(mid))
                    lo = mid;
                else
                    hi = mid;
            }
            best = lo;
            if (firstSpace == 0)
                best = 0;
        }
        // At the start of a line a run that fits nothing still shows one
        // character, or a box narrower than a letter would never get past it.
        if (best == 0 && m_x == m_area.left && run.front() != ' ')
            best = 1;
        return best;
    }

    void Draw(std::string_view run, std::int64_t w)
    {
        if (run.empty())
            return;
        std::int64_t left = m_x;
        if (m_align == 1)
            left = m_x + (m_right - w - m_x) / 2;
        else if (m_align == 2)
            left = m_right - w;
        const std::int64_t clipWidth = std::min(w, m_right - m_x);
        const std::int64_t clipHeight = std::min(m_lineHeight, m_bottom - m_y);
        if (clipWidth > 0 && clipHeight > 0) {
            const MarkupRect clip{static_cast<int>(left), static_cast<int>(m_y),
                                  static_cast<int>(left + clipWidth), static_cast<int>(m_y + clipHeight)};
            m_surface.DrawTextClipped(clip, run);
        }
        m_x += w;
    }

    void NewLine()
    {
        m_x = m_area.left;
        m_y = std::min(m_y + m_lineHeight, kMarkupCoordinateLimit);
    }

    void SelectFont() { m_surface.SelectFont(m_font); }

    // Reads the '\n' or tag at i; returns the position after it.
    std::size_t Control(std::size_t i)
    {
        if (m_text[i] == '\n') {
            NewLine();
            return i + 1;
        }
        struct Tag {
            std::string_view text;
            int action;
        };
        static constexpr Tag kTags[] = {
            {"<br>", 0}, {"<al>", 1}, {"<al_l>", 1}, {"<al_c>", 2}, {"<al_r>", 3},
            {"<b>", 4},  {"</b>", 5}, {"<i>", 6},    {"</i>", 7},   {"<hr=", 8},
        };
        for (const Tag& tag : kTags) {
            if (!StartsWithNoCase(m_text, i, tag.text))
                continue;
            switch (tag.action) {
            case 0:
                NewLine();
                break;
            case 1:
                m_align = 0;
                break;
            case 2:
                m_align = 1;
                break;
            case 3:
                m_align = 2;
                break;
            case 4:
                m_font.weight = std::min(2 * m_base.weight, 900);
                SelectFont();
                break;
            case 5:
                m_font.weight = m_base.weight;
                SelectFont();
                break;
            case 6:
                m_font.italic = true;
                SelectFont();
                break;
            case 7:
                m_font.italic = false;
                SelectFont();
                break;
            case 8: {
                const std::size_t close = m_text.find('>', i);
                const int y = static_cast<int>(m_y + 3);
                m_surface.DrawLine(m_area.left + 2, y, m_area.right - 2, y, m_surface.TextColor());
                return close == std::string_view::npos ? m_text.size() : close + 1;
            }
            }
            return i + tag.text.size();
        }
        // Not a tag: the '<' goes, what follows is text.
        return i + 1;
    }

    CMarkupSurface& m_surface;
    std::string_view m_text;
    MarkupRect m_area;
    std::int64_t m_right = 0;
    std::int64_t m_bottom = 0;
    std::int64_t m_x = 0;
    std::int64_t m_y = 0;
    std::int64_t m_lineHeight = 0;
    int m_align = 1;
    MarkupFont m_base;
    MarkupFont m_font;
};

}  // namespace

void CSimpleMarkupRenderer::Render(CMarkupSurface& surface, std::string_view text, const MarkupRect& client)
{
    const MarkupFont font = surface.Font();
    const bool opaque = surface.BackgroundOpaque();
    surface.SetBackgroundOpaque(false);
    Painter(surface, text, client).Run();
    surface.SelectFont(font);
    surface.SetBackgroundOpaque(opaque);
}
