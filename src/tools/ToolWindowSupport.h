// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>
#include <QString>

class QWidget;

// Small things every tool window needs: window sizes given in twips, the fonts the
// windows ask for by name, and the tool icons.
namespace orvane::tools {

// Twips to logical pixels (15 twips per pixel at 96 dots per inch).
constexpr qreal twips(qreal value)
{
    return value / 15.0;
}
constexpr int twipsToPixels(int value)
{
    return value / 15;
}

// 宋体 where it is installed, otherwise the first CJK font found.
QFont songTiFont(qreal pointSize = 9);
// Times New Roman or another serif font.
QFont serifFont(qreal pointSize = 9);

// Icons of the tool windows: "integral", "solver", "console".
QIcon toolIcon(const QString& name);

// A window of its own that stays in front of its owner (when there is one) and can be
// minimized, maximized and closed from its title bar.
inline constexpr Qt::WindowFlags OwnedWindowFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
    Qt::WindowCloseButtonHint;
void makeOwnedWindow(QWidget* window);

} // namespace orvane::tools
