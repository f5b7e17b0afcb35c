// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickFocus.h"

#include "GoldButton.h"
#include "PictureControl.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QWidget>

namespace orvane {

void keepClicksOffTheFocus(QWidget* root)
{
    const auto isClickedControl = [](const QWidget* w) {
        return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
               qobject_cast<const GoldButton*>(w) || qobject_cast<const PictureControl*>(w);
    };
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!isClickedControl(w)) continue;
        const int policy = w->focusPolicy() & ~Qt::ClickFocus;
        w->setFocusPolicy(Qt::FocusPolicy(policy));
    }
}

} // namespace orvane
