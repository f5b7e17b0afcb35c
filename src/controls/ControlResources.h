// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QPixmap>

namespace orvane {

// The program's own images used by the controls, by their resource numbers.
enum class ControlBitmap : int {
    ButtonFace = 301,        // picture button, normal
    TabFace = 302,           // tab of a tab strip
    ButtonFacePressed = 304, // picture button, pressed
};

// A face bitmap at the screen's pixel density. The faces are drawn with
// FaceMargins fixed at the edges and the middle stretched (see FaceImage).
QPixmap controlBitmap(ControlBitmap id);
inline constexpr int FaceMargin = 5;

// Cursor resource 995: the pointing hand shown over clickable captions and lists
// (picture buttons, tabs, tool buttons, tab labels).
QCursor handCursor();

} // namespace orvane
