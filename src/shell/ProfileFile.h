// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <map>

namespace orvane {

struct ProfileEntry {
    QString key;
    QString value;
};

// A private-profile (INI) file: "[Section]" lines and "key=value" lines, GBK text with
// CR LF line ends. Files written or edited on Windows read as the Windows profile
// functions read them: CR LF, LF or a lone CR ends a line; a line without "=" and a line
// before the first section are no entries; of two equal sections or keys the first
// counts. Nothing is cached: every read goes to the file and every write rewrites it at
// once, atomically, so that a failed write leaves the old file whole.
//
// A path that is not a readable regular file of at most MaxFileBytes without NUL bytes
// (a folder, a device, a binary or huge file) holds no values; writes leave it alone.
class ProfileFile {
public:
    // Values are read through a 255-byte buffer: at most 254 bytes of a value survive.
    static constexpr int MaxValueBytes = 254;
    // Our files are a few kilobytes; anything this large is not one of them.
    static constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

    explicit ProfileFile(QString path);

    const QString& path() const { return path_; }

    // The value of `key` in `section`, names matched without regard to case, blanks
    // around it and then one pair of matching quotes ("…" or '…') removed, cut to
    // MaxValueBytes; "" when absent, empty or unreadable.
    QString read(const QString& section, const QString& key) const;

    // Replaces the value in place, or appends the key at the end of its section, or
    // appends the section at the end of the file (creating the file). Line breaks in
    // `value` are written as blanks so the line layout stays intact. False when the
    // file could not be written; the old file is then unchanged.
    bool write(const QString& section, const QString& key, const QString& value) const;

    // Names of the keys of `section`, in file order (blanks removed).
    QStringList keys(const QString& section) const;

    // Every key of `section` with its value as read() gives it, in file order, from one
    // reading of the file.
    QList<ProfileEntry> entries(const QString& section) const;

private:
    QString path_;
};

// The values of the keys named `prefix` and a number ("Function0", "ConstName12"), by
// number: what read() gives for prefix + number, for every number that has a key.
std::map<qint64, QString> numberedValues(const QList<ProfileEntry>& entries, const QString& prefix);

} // namespace orvane
