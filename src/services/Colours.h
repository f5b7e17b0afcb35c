// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemDialogs.h"

#include <QColor>

namespace orvane {

// The program keeps colours as 0x00BBGGRR (red in the low byte).
inline QColor toQColor(Colour c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline Colour toColour(const QColor& c)
{
    return Colour(c.red()) | (Colour(c.green()) << 8) | (Colour(c.blue()) << 16);
}

inline constexpr Colour Black = 0;
inline constexpr Colour White = 0xFFFFFF;
inline constexpr Colour PureBlue = 16711680;
inline constexpr Colour Magenta = 0xFF00FF;

} // namespace orvane
