// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvane {

// The icon of a message box. Kept beside the engine so that algorithms can say what
// kind of message they want shown without knowing any widget.
enum class MessageIcon { None, Information, Warning, Error, Question };

} // namespace orvane
