// The two-pass layout of the tooltip window: measure (fills the width and
// height of every line), then draw with the same text, font and surface.
// Only explicit line breaks; alignment uses the measured line widths.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "markup/CMarkupSurface.h"
#include "markup/MarkupTokenizer.h"
#include "markup/MarkupTypes.h"

struct MarkupArea {
    int left = 0;
    int top = 0;
    int right = 0;  // used when drawing only
};

enum class MarkupPass { Measure, Draw };

class CRichMarkupRenderer {
public:
    explicit CRichMarkupRenderer(const MarkupPalette& palette);

    // Measure: the widest line and the total height. Draw: width 0 and the
    // height. The surface's font, colours and background are as before on return.
    MarkupSize Render(CMarkupSurface& surface, std::string_view text, const MarkupArea& area,
                      MarkupPass pass);

    const std::vector<std::int32_t>& LineWidths() const { return m_lineWidths; }
    const std::vector<std::int32_t>& LineHeights() const { return m_lineHeights; }
    const MarkupPalette& Palette() const { return m_palette; }

private:
    const MarkupTokens& TokensOf(std::string_view text);

    MarkupPalette m_palette;
    std::vector<std::int32_t> m_lineWidths;
    std::vector<std::int32_t> m_lineHeights;
    std::string m_tokenizedText;
    MarkupTokens m_tokens;
    bool m_haveTokens = false;
};
