// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolWindowSupport.h"

#include <QWidget>

// The tools library is static: its resources must be registered by hand.
static void registerToolResources()
{
    Q_INIT_RESOURCE(tools);
}

namespace orvane::tools {

namespace {
QFont fontFrom(const QStringList& families, QFont::StyleHint hint, qreal pointSize)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPointSizeF(pointSize);
    return font;
}
} // namespace

QFont songTiFont(qreal pointSize)
{
    return fontFrom({QStringLiteral("SimSun"), QStringLiteral("宋体"),
                     QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                     QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                     QStringLiteral("Droid Sans Fallback")},
                    QFont::AnyStyle, pointSize);
}

QFont serifFont(qreal pointSize)
{
    return fontFrom({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                     QStringLiteral("DejaVu Serif"), QStringLiteral("Noto Serif CJK SC"),
                     QStringLiteral("WenQuanYi Micro Hei")},
                    QFont::Serif, pointSize);
}

QIcon toolIcon(const QString& name)
{
    static const bool registered = (registerToolResources(), true);
    Q_UNUSED(registered);
    return QIcon(QStringLiteral(":/tools/") + name + QStringLiteral(".svg"));
}

void makeOwnedWindow(QWidget* window)
{
    // A dialog-type window: the X11 window system keeps only such windows (and tool
    // windows) above their owner and minimizes them with it.
    window->setWindowFlags(OwnedWindowFlags);
}

} // namespace orvane::tools
