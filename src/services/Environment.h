// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTime>

namespace orvane {

// The outside world as the program sees it: random numbers, the clock, the screen,
// the desktop shell and its folders. Injected so that tests are deterministic and never
// touch the user's desktop.
class Environment {
public:
    virtual ~Environment() = default;

    // Uniform in [0, 1).
    virtual double nextRandom() = 0;
    virtual QTime currentTime() = 0;
    // Size of the screen in pixels.
    virtual QSize screenSize() = 0;
    // The part of the screen left to windows (without the desktop's panels), in logical
    // pixels and global coordinates.
    virtual QRect availableScreenArea() = 0;
    // Opens a document or web address with the desktop's default program.
    virtual bool openDocument(const QString& pathOrUrl) = 0;
    // Starts the first of `candidates` found on the PATH; false when none is found.
    virtual bool startFirstProgram(const QStringList& candidates) = 0;
    // The user's desktop folder and the folder of application menu entries.
    virtual QString desktopFolder() = 0;
    virtual QString applicationsFolder() = 0;
};

} // namespace orvane
