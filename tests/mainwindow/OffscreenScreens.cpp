// SPDX-License-Identifier: GPL-3.0-or-later
#include "OffscreenScreens.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orvane::test {

const QList<TestScreen>& testScreens()
{
    static const QList<TestScreen> screens = [] {
        QList<TestScreen> list{{QStringLiteral("primary"), QRect(0, 0, 1280, 1024), 1}};
        const QSize sizes[] = {{1024, 768}, {1366, 768}, {1600, 900}, {1920, 1080}, {2560, 1440}};
        int x = 1280;
        for (qreal scale : {1.0, 2.0})
            for (QSize size : sizes) {
                const QSize logical = (QSizeF(size) / scale).toSize();
                list.append(
                    {QStringLiteral("%1x%2@%3").arg(size.width()).arg(size.height()).arg(scale),
                     QRect(QPoint(x, 0), logical), scale});
                x += logical.width();
            }
        // A laptop's usual fractional scale.
        list.append({QStringLiteral("1920x1080@1.5"), QRect(QPoint(x, 0), QSize(1280, 720)), 1.5});
        return list;
    }();
    return screens;
}

void useTestScreens(const QString& folder)
{
    QJsonArray screens;
    for (const TestScreen& s : testScreens())
        screens.append(QJsonObject{{"name", s.name},
                                   {"x", s.geometry.x()},
                                   {"y", s.geometry.y()},
                                   {"width", s.geometry.width()},
                                   {"height", s.geometry.height()},
                                   {"logicalDpi", 96},
                                   {"logicalBaseDpi", 96},
                                   {"dpr", s.scale}});
    const QString path = QDir(folder).filePath(QStringLiteral("screens.json"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QJsonDocument(QJsonObject{{"screens", screens}}).toJson());
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QFile::encodeName(path));
}

} // namespace orvane::test
