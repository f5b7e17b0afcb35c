#pragma once

#include <QIcon>
#include <QPixmap>

// The look of the shell's small windows: their pictures and their window style.
namespace orvane {

// The tip of the day's light bulb and the program's sign.
enum class ShellPicture { Tip, Sign };

// The tip window and the About box: small fixed dialogs above every other window, with
// only a close button in their title bar.
inline constexpr Qt::WindowFlags SmallWindowFlags = Qt::Dialog | Qt::WindowStaysOnTopHint |
                                                    Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                    Qt::WindowCloseButtonHint;

// The picture drawn at `side` logical pixels square.
QPixmap shellPixmap(ShellPicture picture, int side);
QIcon shellIcon(ShellPicture picture);

} // namespace orvane
