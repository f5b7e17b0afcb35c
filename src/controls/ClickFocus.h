// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace orvane {

// Buttons, scroll bars, sliders and tab strips under `root` no longer take the keyboard
// focus when clicked (those reached by Tab still are), so that a click on them leaves
// the keys where they were: with the pad and the window's shortcuts, not in a text box.
void keepClicksOffTheFocus(QWidget* root);

} // namespace orvane
