// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// The texts the sketch pad and its status box show, and the eraser cursor table:
// plain values in, text out, no widgets.
namespace orvane::SketchTexts {

// "当前坐标：  (x，y)" with both values in "#0.0#".
QString coordinates(float x, float y);
// The same followed by nine blanks and "距原点：" with the distance in "#0.0######".
QString coordinatesWithDistance(float x, float y);
// A number as the pad prints it next to the pointer: the general form with one blank
// before and one after it.
QString printedNumber(double value);
// The same for a single-precision value (up to 7 significant digits).
QString printedSingle(float value);
// Status text of a drawing mode 0..6 ("画图状态", "画点", ...); empty for other values.
QString modeStatus(int mode);
// Cursor resource of an eraser size (900, 905, ... 930); nullopt outside the classes.
std::optional<int> eraserCursorId(double size);

} // namespace orvane::SketchTexts
