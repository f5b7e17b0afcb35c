// SPDX-License-Identifier: GPL-3.0-or-later
// The function-graph loader (openFunctionFile) and its writer.
//
// Input: the bytes of a .fun file. Loading plots at most one function per stored
// entry; the functions it plotted, saved again with saveAllFunctions, load back as
// the same list, as far as a file can hold them: a line break inside an entry is
// written as a blank, blanks around an entry are not read back, and rows that do not
// survive the GBK round trip or exceed the 254 bytes a value can hold are left out.
#include "FuzzSupport.h"

#include "FakeFunctionTarget.h"
#include "FunctionGraphFile.h"
#include "GbkText.h"
#include "ProfileFile.h"

using namespace orvane;

namespace {

bool fileCanHold(const QStringList& rows)
{
    for (const QString& row : rows) {
        const QByteArray bytes = GbkText::encode(row);
        if (GbkText::decode(bytes) != row || bytes.size() > ProfileFile::MaxValueBytes)
            return false;
    }
    return true;
}

QStringList asReadBack(QStringList rows)
{
    for (QString& row : rows) {
        row.replace(QLatin1Char('\r'), QLatin1Char(' '));
        row.replace(QLatin1Char('\n'), QLatin1Char(' '));
        row = row.trimmed();
    }
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::scratchFile(QStringLiteral("input.fun"));
    fuzz::putFile(path, data, size);

    FakeFunctionTarget loaded;
    openFunctionFile(path, loaded);
    const qsizetype entries = ProfileFile(path).keys(QStringLiteral("Image")).size();
    fuzz::require(loaded.log.size() <= 2 * (entries + 1), "more functions plotted than stored");

    const QString copy = fuzz::scratchFile(QStringLiteral("copy.fun"));
    QFile::remove(copy);
    fuzz::require(saveAllFunctions(copy, loaded), "saving into a fresh file failed");
    FakeFunctionTarget reloaded;
    openFunctionFile(copy, reloaded);
    if (fileCanHold(loaded.rows))
        fuzz::require(reloaded.rows == asReadBack(loaded.rows),
                      "saved functions do not load back the same");
    return 0;
}
