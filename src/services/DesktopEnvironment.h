// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Environment.h"

#include <random>

namespace orvane {

// The real outside world.
class DesktopEnvironment : public Environment {
public:
    DesktopEnvironment();
    double nextRandom() override;
    QTime currentTime() override;
    QSize screenSize() override;
    QRect availableScreenArea() override;
    bool openDocument(const QString& pathOrUrl) override;
    bool startFirstProgram(const QStringList& candidates) override;
    QString desktopFolder() override;
    QString applicationsFolder() override;

private:
    std::mt19937 generator_;
};

} // namespace orvane
