// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvane {

// The tips of the day, numbered from 1001.
constexpr int FirstTipNumber = 1001;
constexpr int TipCount = 12;

// The text of tip `number` (1001 to 1012); empty for other numbers.
QString tipText(int number);

} // namespace orvane
