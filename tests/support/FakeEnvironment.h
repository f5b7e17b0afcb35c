// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Environment.h"

#include <QDir>
#include <QStringList>

#include <deque>

namespace orvane {

// A deterministic outside world for tests.
class FakeEnvironment : public Environment {
public:
    double nextRandom() override
    {
        if (randomValues.empty()) return 0.5;
        const double v = randomValues.front();
        randomValues.pop_front();
        return v;
    }
    QTime currentTime() override { return time; }
    QSize screenSize() override { return screen; }
    // The whole screen unless a test leaves room for the desktop's panels.
    QRect availableScreenArea() override
    {
        return available.isNull() ? QRect(QPoint(0, 0), screen) : available;
    }
    bool openDocument(const QString& pathOrUrl) override
    {
        openedDocuments << pathOrUrl;
        return documentsOpen;
    }
    bool startFirstProgram(const QStringList& candidates) override
    {
        startedPrograms << candidates.join(QLatin1Char(','));
        return programsAvailable;
    }
    QString desktopFolder() override { return desktop; }
    QString applicationsFolder() override { return applications; }

    std::deque<double> randomValues;
    QTime time = QTime(12, 0, 0);
    QSize screen = QSize(1280, 1024);
    QRect available;
    QStringList openedDocuments;
    QStringList startedPrograms;
    bool programsAvailable = true;
    // False: the desktop has no program for documents or web addresses.
    bool documentsOpen = true;
    QString desktop = QDir::tempPath() + QStringLiteral("/orvane-test-desktop");
    QString applications = QDir::tempPath() + QStringLiteral("/orvane-test-applications");
};

} // namespace orvane
