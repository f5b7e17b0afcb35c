// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopEnvironment.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

namespace orvane {

DesktopEnvironment::DesktopEnvironment() : generator_(std::random_device{}()) {}

double DesktopEnvironment::nextRandom()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

QTime DesktopEnvironment::currentTime()
{
    return QTime::currentTime();
}

QSize DesktopEnvironment::screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

QRect DesktopEnvironment::availableScreenArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

bool DesktopEnvironment::openDocument(const QString& pathOrUrl)
{
    const QUrl url = QFileInfo::exists(pathOrUrl) ? QUrl::fromLocalFile(pathOrUrl)
                                                  : QUrl::fromUserInput(pathOrUrl);
    return QDesktopServices::openUrl(url);
}

bool DesktopEnvironment::startFirstProgram(const QStringList& candidates)
{
    for (const QString& name : candidates) {
        const QString program = QStandardPaths::findExecutable(name);
        if (!program.isEmpty() && QProcess::startDetached(program, {})) return true;
    }
    return false;
}

QString DesktopEnvironment::desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString DesktopEnvironment::applicationsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
}

} // namespace orvane
