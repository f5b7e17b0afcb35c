// SPDX-License-Identifier: GPL-3.0-or-later
// The settings-file reader and writer (ProfileFile, as Settings uses it).
//
// Input: the bytes of a settings file. Every key of the three sections our files use
// is read; then one key is written with a value made of the printable ASCII bytes of
// the input. Afterwards the written key reads back as written (blanks and then one
// pair of matching quotes around it dropped, cut to 254 bytes), every other key reads as
// before, and a file that could not be written is left byte for byte as it was.
//
// Before the write, the one-pass readings are held against read(): every numbered
// value ("Function3", "ConstName12") reads the same key by key, and the saved
// constants hold only positions with something stored.
#include "FuzzSupport.h"

#include "ProfileFile.h"
#include "Settings.h"

#include <QHash>
#include <QStringList>

using namespace orvane;

namespace {

const QStringList Sections{QStringLiteral("Setup"), QStringLiteral("Infomation"),
                           QStringLiteral("Image")};

using Snapshot = QHash<QString, QString>; // "section\nkey" -> value

Snapshot snapshot(const ProfileFile& file, const QString& skipSection, const QString& skipKey)
{
    Snapshot values;
    for (const QString& section : Sections) {
        for (const QString& key : file.keys(section)) {
            if (section == skipSection && key.compare(skipKey, Qt::CaseInsensitive) == 0) continue;
            values.insert(section + QLatin1Char('\n') + key, file.read(section, key));
        }
    }
    return values;
}

// Printable ASCII from the input, so that the expected read-back is plain to state.
QString valueFrom(const std::uint8_t* data, std::size_t size)
{
    QString value;
    for (std::size_t i = 0; i < size && value.size() < 300; ++i)
        if (data[i] >= 0x20 && data[i] < 0x7f) value += QLatin1Char(char(data[i]));
    return value;
}

QString expectedReadBack(QString value)
{
    while (value.startsWith(QLatin1Char(' ')))
        value.remove(0, 1);
    while (value.endsWith(QLatin1Char(' ')))
        value.chop(1);
    // As Windows reads it: one pair of matching quotes around the value goes.
    if (value.size() >= 2 &&
        (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(ProfileFile::MaxValueBytes);
}

void checkOnePassReadings(const QString& path, const ProfileFile& file)
{
    for (const QString& section : Sections) {
        const QList<ProfileEntry> entries = file.entries(section);
        for (const QString& prefix : {QStringLiteral("Function"), QStringLiteral("ConstName"),
                                      QStringLiteral("ConstValue")})
            for (const auto& [number, value] : numberedValues(entries, prefix))
                fuzz::require(value == file.read(section, prefix + QString::number(number)),
                              "a numbered value differs from what its key reads");
    }
    if (const std::optional<QList<NamedValue>> constants = Settings(path).savedConstants())
        for (const NamedValue& constant : *constants)
            fuzz::require(!constant.name.isEmpty() || !constant.value.isEmpty(),
                          "an empty position counted as a saved constant");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::scratchFile(QStringLiteral("orvane.ini"));
    fuzz::putFile(path, data, size);
    const ProfileFile file(path);
    checkOnePassReadings(path, file);

    // Choose the key to write from the input: a section and one of its keys, or a new one.
    const QString section = Sections[size % 3];
    const QStringList keys = file.keys(section);
    const QString key = keys.isEmpty() || keys.first().trimmed().isEmpty() ||
                                keys.first().contains(QLatin1Char('=')) ||
                                keys.first().startsWith(QLatin1Char('['))
                            ? QStringLiteral("Tab")
                            : keys.first();
    const QString value = valueFrom(data, size);

    const Snapshot before = snapshot(file, section, key);
    const QByteArray bytesBefore = fuzz::fileBytes(path);
    if (file.write(section, key, value)) {
        fuzz::require(file.read(section, key) == expectedReadBack(value),
                      "the written value does not read back");
        fuzz::require(snapshot(file, section, key) == before, "a write changed another key");
    } else {
        fuzz::require(fuzz::fileBytes(path) == bytesBefore, "a failed write changed the file");
        fuzz::require(before.isEmpty(), "a readable file refused a write");
    }
    return 0;
}
