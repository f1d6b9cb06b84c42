#include "markup/MarkupTypes.h"

MarkupPalette MakeMarkupPalette(MarkupColor tooltipText, MarkupColor tooltipBackground,
                                MarkupColor buttonShadow)
{
    return MarkupPalette{
        MarkupRgb(0, 0, 0),
        MarkupRgb(0, 0, 128),
        MarkupRgb(0, 128, 0),
        MarkupRgb(0, 128, 128),
        MarkupRgb(128, 0, 0),
        MarkupRgb(128, 0, 128),
        MarkupRgb(128, 128, 0),
        MarkupRgb(128, 128, 128),
        MarkupRgb(0, 0, 255),
        MarkupRgb(0, 255, 0),
        MarkupRgb(0, 255, 255),
        MarkupRgb(255, 0, 0),
        MarkupRgb(255, 0, 255),
        MarkupRgb(255, 255, 0),
        MarkupRgb(192, 192, 192),
        MarkupRgb(255, 255, 255),
        // 16 is never given a colour of its own; black keeps it predictable.
        MarkupRgb(0, 0, 0),
        tooltipText,
        tooltipBackground,
        tooltipBackground,
        tooltipBackground,
        MarkupRgb(0, 0, 238),
        MarkupRgb(85, 26, 139),
        MarkupRgb(255, 0, 0),
        buttonShadow,
        tooltipText,
    };
}
