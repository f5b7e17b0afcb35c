// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QString>

// The screens the window tests run on: the offscreen platform is started with one
// screen per size and scale of the layout table, side by side, the first one primary.
namespace orvane::test {

struct TestScreen {
    QString name;
    QRect geometry; // logical pixels
    qreal scale;
};

const QList<TestScreen>& testScreens();

// Starts the offscreen platform with these screens (before the application exists); the
// platform's configuration file is written into `folder`.
void useTestScreens(const QString& folder);

} // namespace orvane::test
