// SPDX-License-Identifier: GPL-3.0-or-later
#include "FunctionGraphFile.h"

#include "NumberText.h"
#include "ProfileFile.h"
#include "QtText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

const qint64 MaxFileBytes = 16 * 1024 * 1024;

void loadListForm(const ProfileFile& file, double count, FunctionGraph& graph)
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
            graph.functions.emplace_back(*kind, entry.mid(2));
    }
}

void loadSingleForm(const ProfileFile& file, FunctionGraph& graph)
{
    if (const std::optional<PlotKind> kind = kindOfLetter(file.read(Section, KindKey)))
        graph.functions.emplace_back(*kind, file.read(Section, FunctionKey));
}

// Text files only: a NUL byte never occurs in one, and a file without line ends that is
// longer than any line could be is not one either.
bool looksLikeText(const QByteArray& bytes)
{
    return !bytes.contains('\0');
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

FunctionGraphReading readFunctionGraph(const QString& path)
{
    const auto refused = [&](const QString& what) {
        return FunctionGraphReading{std::nullopt, QStringLiteral("无法导入函数图象文件“%1”：%2")
                                                      .arg(QDir::toNativeSeparators(path), what)};
    };
    const QFileInfo info(path);
    if (!info.isFile()) return refused(QStringLiteral("文件不存在"));
    if (info.size() > MaxFileBytes) return refused(QStringLiteral("文件大于 16 MiB"));
    QFile raw(path);
    if (!raw.open(QIODevice::ReadOnly))
        return refused(QStringLiteral("无法读取（%1）").arg(raw.errorString()));
    if (!looksLikeText(raw.read(MaxFileBytes + 1)))
        return refused(QStringLiteral("这不是文本文件，文件可能已损坏"));
    const ProfileFile file(path);
    const std::optional<double> count =
        NumberText::parseNumber(file.read(Section, CountKey).toStdString());
    if (!count)
        return refused(
            QStringLiteral("[Image] 一节缺少数值 Count，这不是函数图象文件或文件已损坏"));
    FunctionGraph graph;
    const double whole = std::floor(*count);
    if (whole > 0)
        loadListForm(file, whole, graph);
    else if (whole == 0)
        loadSingleForm(file, graph);
    return {graph, QString()};
}

QString openFunctionFile(const QString& path, FunctionGraphTarget& target)
{
    const FunctionGraphReading reading = readFunctionGraph(path);
    if (!reading.graph) return reading.error;
    for (const auto& [kind, expression] : reading.graph->functions) {
        target.selectKind(kind);
        target.setExpression(kind, expression);
        target.addAndDraw();
    }
    return QString();
}

} // namespace orvane
