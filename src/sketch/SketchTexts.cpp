// SPDX-License-Identifier: GPL-3.0-or-later
#include "SketchTexts.h"

#include "QtText.h"

#include <cmath>

namespace orvane::SketchTexts {

namespace {

QString coordinatePair(float x, float y)
{
    return QStringLiteral("当前坐标：  (") + formatPattern(x, "#0.0#") + QStringLiteral("，") +
           formatPattern(y, "#0.0#") + QStringLiteral(")");
}

} // namespace

QString coordinates(float x, float y)
{
    return coordinatePair(x, y);
}

QString coordinatesWithDistance(float x, float y)
{
    const double dx = x;
    const double dy = y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    return coordinatePair(x, y) + QStringLiteral("         距原点：") +
           formatPattern(distance, "#0.0######");
}

QString printedNumber(double value)
{
    return leadingBlank(value) + QLatin1Char(' ');
}

QString printedSingle(float value)
{
    QString text = toQString(NumberText::generalFormSingle(value));
    if (!text.startsWith(QLatin1Char('-'))) text.prepend(QLatin1Char(' '));
    return text + QLatin1Char(' ');
}

QString modeStatus(int mode)
{
    switch (mode) {
    case 0:
        return QStringLiteral("画图状态");
    case 1:
        return QStringLiteral("画点");
    case 2:
        return QStringLiteral("画线");
    case 3:
        return QStringLiteral("画到坐标轴的垂线");
    case 4:
        return QStringLiteral("画圆");
    case 5:
        return QStringLiteral("插入文字");
    case 6:
        return QStringLiteral("橡皮");
    default:
        return {};
    }
}

std::optional<int> eraserCursorId(double size)
{
    struct Band {
        double from, to;
        int cursor;
    };
    static constexpr Band bands[] = {{1, 3.5, 900},   {4, 8.5, 905},   {9, 13.5, 910},
                                     {14, 17.5, 915}, {18, 23.5, 920}, {24, 27.5, 925},
                                     {28, 30, 930}};
    for (const Band& band : bands)
        if (size >= band.from && size <= band.to) return band.cursor;
    return std::nullopt;
}

} // namespace orvane::SketchTexts
