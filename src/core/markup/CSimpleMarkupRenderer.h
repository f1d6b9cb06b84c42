// The one-pass layout of the read-only formatted text box: a small tag set
// (<br>, <al…>, <b>, <i>, <hr=…>), centred by default, and word wrapping at the
// box's right edge. Text below the box's bottom is cut off, never scrolled.
#pragma once

#include <string_view>

#include "markup/CMarkupSurface.h"
#include "markup/MarkupTypes.h"

class CSimpleMarkupRenderer {
public:
    // Paints the text into the client rectangle in the surface's font and text
    // colour, with a transparent background. The font is as before on return.
    static void Render(CMarkupSurface& surface, std::string_view text, const MarkupRect& client);
};
