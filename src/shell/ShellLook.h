#pragma once

#include <QIcon>
#include <QPixmap>

// The look of the shell's small windows: the tip window's picture and the window style.
namespace orvane {

// The tip window and the About box: small fixed dialogs above every other window, with
// only a close button in their title bar.
inline constexpr Qt::WindowFlags SmallWindowFlags = Qt::Dialog | Qt::WindowStaysOnTopHint |
                                                    Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                    Qt::WindowCloseButtonHint;

// The tip of the day's light bulb, drawn at `side` logical pixels square.
QPixmap tipPixmap(int side);
QIcon tipIcon();

} // namespace orvane
