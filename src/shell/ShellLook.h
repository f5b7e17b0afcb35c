// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The look of the shell's small windows: the tip window's picture and the window style.
namespace orvane {

// The tip window and the About box: small fixed dialogs with only a close button in
// their title bar. Owned by the main window they stay above it (transient for it)
// without covering other programs.
inline constexpr Qt::WindowFlags SmallWindowFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// The application's name and desktop id. No display name is set: the window system
// would append it to every caption ("保存 — 奥维恩"), and the captions are exact.
void setApplicationIdentity(const QString& desktopFileName);

// The tip of the day's light bulb, drawn at `side` logical pixels square.
QPixmap tipPixmap(int side);
QIcon tipIcon();

} // namespace orvane
