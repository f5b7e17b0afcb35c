// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemDialogs.h"

#include <QColor>

#include <optional>

class QPalette;

namespace orvane {

// A stored colour with the high bit set names a system colour by index
// (0x80000000 + index) instead of giving its RGB value.
inline constexpr Colour SystemColourFlag = 0x80000000u;

// The system colour indices the controls use.
enum class SystemColour : Colour {
    ButtonFace = 15,
    ButtonShadow = 16,
    ButtonText = 18,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
};

constexpr Colour systemColour(SystemColour index)
{
    return SystemColourFlag | static_cast<Colour>(index);
}

// Translates a stored colour (RGB or system colour index) to the colour to paint
// with; the system colours come from `palette`. Unknown indices and malformed
// values fail (nullopt).
std::optional<QColor> translateColour(Colour colour, const QPalette& palette);

} // namespace orvane
