// SPDX-License-Identifier: GPL-3.0-or-later
#include "FunctionGraphFile.h"

#include "NumberText.h"
#include "ProfileFile.h"
#include "QtText.h"

#include <QStringList>

#include <cmath>

namespace orvane {

namespace {

const QString Section = QStringLiteral("Image");
const QString CountKey = QStringLiteral("Count");
const QString FunctionKey = QStringLiteral("Function");
const QString KindKey = QStringLiteral("XYP");

QString functionKey(qint64 number)
{
    return FunctionKey + integerText(number);
}

std::optional<PlotKind> kindOfPrefix(QChar first)
{
    switch (first.toLower().unicode()) {
    case 'y':
        return PlotKind::Y;
    case 'x':
        return PlotKind::X;
    case 'p':
        return PlotKind::Polar;
    case 't': // "t: x=…, y=…", which readers of the older kinds skip
        return PlotKind::Parametric;
    default:
        return std::nullopt;
    }
}

std::optional<PlotKind> kindOfLetter(const QString& letter)
{
    // Upper case only, as the files have always been written.
    if (letter == QLatin1String("Y")) return PlotKind::Y;
    if (letter == QLatin1String("X")) return PlotKind::X;
    if (letter == QLatin1String("P")) return PlotKind::Polar;
    if (letter == QLatin1String("T")) return PlotKind::Parametric;
    return std::nullopt;
}

QString letterOf(PlotKind kind)
{
    switch (kind) {
    case PlotKind::Y:
        return QStringLiteral("Y");
    case PlotKind::X:
        return QStringLiteral("X");
    case PlotKind::Parametric:
        return QStringLiteral("T");
    case PlotKind::Polar:
        break;
    }
    return QStringLiteral("P");
}

void plot(FunctionGraphTarget& target, PlotKind kind, const QString& expression)
{
    target.selectKind(kind);
    target.setExpression(kind, expression);
    target.addAndDraw();
}

void loadListForm(const ProfileFile& file, double count, FunctionGraphTarget& target)
{
    // Entries 0 to count - 1 in order. The file is read once: a number without an entry
    // would read as empty and be skipped, so only the stored ones are visited.
    const std::map<qint64, QString> stored = numberedValues(file.entries(Section), FunctionKey);
    for (const auto& [number, value] : stored) {
        if (double(number) >= count) break;
        const QString entry = value.trimmed();
        // "y=", "x=" or "p=" and the expression; anything else (the list text of a
        // hyperbola opening along y, an empty or cut-short entry) is skipped.
        if (entry.size() < 2) continue;
        if (const std::optional<PlotKind> kind = kindOfPrefix(entry.front()))
            plot(target, *kind, entry.mid(2));
    }
}

void loadSingleForm(const ProfileFile& file, FunctionGraphTarget& target)
{
    if (const std::optional<PlotKind> kind = kindOfLetter(file.read(Section, KindKey)))
        plot(target, *kind, file.read(Section, FunctionKey));
}

} // namespace

bool saveAllFunctions(const QString& path, FunctionGraphTarget& target)
{
    const ProfileFile file(path);
    const int rows = target.entryCount();
    if (!file.write(Section, CountKey, integerText(rows))) return false;
    qint64 saved = 0;
    for (int row = 0; row < rows; ++row) {
        target.selectEntry(row);
        const QString text = target.entryText(row);
        // Circles, ellipses and hyperbolas opening along x are listed as "(...)".
        if (text.trimmed().startsWith(QLatin1Char('('))) continue;
        if (!file.write(Section, functionKey(saved), text)) return false;
        ++saved;
    }
    return file.write(Section, CountKey, integerText(saved));
}

bool saveCurrentFunction(const QString& path, FunctionGraphTarget& target)
{
    const ProfileFile file(path);
    if (!file.write(Section, CountKey, QStringLiteral("0"))) return false;
    const std::optional<PlotKind> kind = target.selectedKind();
    if (!kind) return true;
    return file.write(Section, KindKey, letterOf(*kind)) &&
           file.write(Section, FunctionKey, target.expression(*kind));
}

void openFunctionFile(const QString& path, FunctionGraphTarget& target)
{
    const ProfileFile file(path);
    const std::optional<double> count =
        NumberText::parseNumber(file.read(Section, CountKey).toStdString());
    if (!count) return;
    const double whole = std::floor(*count);
    if (whole > 0)
        loadListForm(file, whole, target);
    else if (whole == 0)
        loadSingleForm(file, target);
}

} // namespace orvane
