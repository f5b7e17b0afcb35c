// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemColours.h"

#include "Colours.h"

#include <QPalette>

#include <array>

namespace orvane {

namespace {

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Index by index, the palette entry that plays the part of each system colour.
// Index 25 has no colour on any system and stays unmapped.
constexpr int SystemColourCount = 31;
const std::array<std::optional<PaletteEntry>, SystemColourCount>& systemColourTable()
{
    static const std::array<std::optional<PaletteEntry>, SystemColourCount> table = {{
        PaletteEntry{QPalette::Active, QPalette::Button},           // 0 scroll bar
        PaletteEntry{QPalette::Active, QPalette::Dark},             // 1 desktop
        PaletteEntry{QPalette::Active, QPalette::Highlight},        // 2 active caption
        PaletteEntry{QPalette::Inactive, QPalette::Mid},            // 3 inactive caption
        PaletteEntry{QPalette::Active, QPalette::Window},           // 4 menu
        PaletteEntry{QPalette::Active, QPalette::Base},             // 5 window
        PaletteEntry{QPalette::Active, QPalette::Shadow},           // 6 window frame
        PaletteEntry{QPalette::Active, QPalette::WindowText},       // 7 menu text
        PaletteEntry{QPalette::Active, QPalette::Text},             // 8 window text
        PaletteEntry{QPalette::Active, QPalette::HighlightedText},  // 9 caption text
        PaletteEntry{QPalette::Active, QPalette::Button},           // 10 active border
        PaletteEntry{QPalette::Inactive, QPalette::Button},         // 11 inactive border
        PaletteEntry{QPalette::Active, QPalette::Dark},             // 12 application workspace
        PaletteEntry{QPalette::Active, QPalette::Highlight},        // 13 highlight
        PaletteEntry{QPalette::Active, QPalette::HighlightedText},  // 14 highlight text
        PaletteEntry{QPalette::Active, QPalette::Button},           // 15 button face
        PaletteEntry{QPalette::Active, QPalette::Dark},             // 16 button shadow
        PaletteEntry{QPalette::Disabled, QPalette::Text},           // 17 grey text
        PaletteEntry{QPalette::Active, QPalette::ButtonText},       // 18 button text
        PaletteEntry{QPalette::Inactive, QPalette::WindowText},     // 19 inactive caption text
        PaletteEntry{QPalette::Active, QPalette::Light},            // 20 button highlight
        PaletteEntry{QPalette::Active, QPalette::Shadow},           // 21 3D dark shadow
        PaletteEntry{QPalette::Active, QPalette::Midlight},         // 22 3D light
        PaletteEntry{QPalette::Active, QPalette::ToolTipText},      // 23 tip text
        PaletteEntry{QPalette::Active, QPalette::ToolTipBase},      // 24 tip background
        std::nullopt,                                               // 25
        PaletteEntry{QPalette::Active, QPalette::Link},             // 26 hot-tracked item
        PaletteEntry{QPalette::Active, QPalette::Highlight},        // 27 active caption gradient
        PaletteEntry{QPalette::Inactive, QPalette::Midlight},       // 28 inactive caption gradient
        PaletteEntry{QPalette::Active, QPalette::Highlight},        // 29 menu highlight
        PaletteEntry{QPalette::Active, QPalette::Window},           // 30 menu bar
    }};
    return table;
}

} // namespace

std::optional<QColor> translateColour(Colour colour, const QPalette& palette)
{
    if ((colour & 0xFF000000u) == 0)
        return toQColor(colour);
    if ((colour & 0xFF000000u) != SystemColourFlag)
        return std::nullopt;
    const Colour index = colour & 0x00FFFFFFu;
    if (index >= SystemColourCount)
        return std::nullopt;
    const auto& entry = systemColourTable()[index];
    if (!entry)
        return std::nullopt;
    return palette.color(entry->group, entry->role);
}

} // namespace orvane
