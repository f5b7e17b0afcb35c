// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvane {

// The three kinds of plotted function: y = f(x), x = f(y) and polar rho = f(theta).
enum class PlotKind { Y, X, Polar };

} // namespace orvane
