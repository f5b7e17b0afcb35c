// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Conics.h"

namespace orvane::test {

// The parameters of a conic as the conic page would hand them over, no auxiliary lines.
inline ConicParameters conicParameters(ConicKind kind, double a, double b, double x, float y)
{
    ConicParameters p;
    p.kind = kind;
    p.a = a;
    p.b = b;
    p.x = x;
    p.y = y;
    return p;
}

} // namespace orvane::test
