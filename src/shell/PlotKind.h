// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvane {

// The kinds of plotted function: y = f(x), x = f(y), polar rho = f(theta), and the
// parametric curve x = f(t), y = g(t).
enum class PlotKind { Y, X, Polar, Parametric };

} // namespace orvane
