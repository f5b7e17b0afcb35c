// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellWindows.h"

#include "AboutDialog.h"
#include "HelpWindow.h"
#include "Services.h"
#include "TipDialog.h"
#include "WindowPlaces.h"

#include <QFileInfo>
#include <QWidget>

#include <utility>

namespace orvane {

namespace {

template <typename Window, typename... Args> Window* showSingle(QWidget* owner, Args&&... args)
{
    if (Window* open =
            owner ? owner->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly) : nullptr) {
        if (!open->isVisible()) WindowPlaces::of(owner).place(open);
        open->show();
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* window = new Window(std::forward<Args>(args)..., owner);
    if (owner) WindowPlaces::of(owner).place(window);
    window->show();
    return window;
}

} // namespace

TipDialog* showTipWindow(Services& services, const Settings& settings, QWidget* owner)
{
    return showSingle<TipDialog>(owner, services, settings);
}

AboutDialog* showAboutBox(Services& services, QWidget* owner)
{
    return showSingle<AboutDialog>(owner, services);
}

HelpWindow* showHelpWindow(Services& services, const QString& indexPath, QWidget* owner)
{
    if (!QFileInfo(indexPath).isFile()) {
        services.dialogs.inform(owner, QStringLiteral("找不到帮助文件：\r") + indexPath,
                                MessageIcon::Warning);
        return nullptr;
    }
    return showSingle<HelpWindow>(owner, services, indexPath);
}

} // namespace orvane
