#include "FunctionGraphFile.h"

#include "NumberText.h"
#include "ProfileFile.h"
#include "QtText.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
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

// One past the highest entry number stored as a Function<n> key; reading further
// would only meet empty entries.
double storedEntryLimit(const QStringList& keys)
{
    static const QRegularExpression numbered(QStringLiteral("^Function(0|[1-9][0-9]{0,9})$"),
                                             QRegularExpression::CaseInsensitiveOption);
    double limit = 0;
    for (const QString& key : keys) {
        const QRegularExpressionMatch match = numbered.match(key);
        if (match.hasMatch()) limit = std::max(limit, match.captured(1).toDouble() + 1);
    }
    return limit;
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
    return std::nullopt;
}

QString letterOf(PlotKind kind)
{
    switch (kind) {
    case PlotKind::Y:
        return QStringLiteral("Y");
    case PlotKind::X:
        return QStringLiteral("X");
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
    const double limit = std::min(count, storedEntryLimit(file.keys(Section)));
    for (qint64 i = 0; i < limit; ++i) {
        const QString entry = file.read(Section, functionKey(i)).trimmed();
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

bool SaveAllFunctions(const QString& path, FunctionGraphTarget& target)
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

bool SaveCurrentFunction(const QString& path, FunctionGraphTarget& target)
{
    const ProfileFile file(path);
    if (!file.write(Section, CountKey, QStringLiteral("0"))) return false;
    const std::optional<PlotKind> kind = target.selectedKind();
    if (!kind) return true;
    return file.write(Section, KindKey, letterOf(*kind)) &&
           file.write(Section, FunctionKey, target.expression(*kind));
}

void OpenFunctionFile(const QString& path, FunctionGraphTarget& target)
{
    const ProfileFile file(path);
    const std::optional<double> count =
        NumberText::ParseNumber(file.read(Section, CountKey).toStdString());
    if (!count) return;
    const double whole = std::floor(*count);
    if (whole > 0)
        loadListForm(file, whole, target);
    else if (whole == 0)
        loadSingleForm(file, target);
}

} // namespace orvane
