// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileFile.h"

#include "GbkText.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QLockFile>
#include <QSaveFile>

#include <optional>
#include <utility>

namespace orvane {

namespace {

const QByteArray LineBreak = QByteArrayLiteral("\r\n");

// How long a write waits for another program's write to the same file to finish. A
// write takes milliseconds, but a busy machine can keep the other program from running
// for seconds, and giving up early would drop one of the two keys. The lock of a program
// that died is taken over at once, and one held longer than this counts as stale.
constexpr int LockWaitMs = 30000;

enum class FileState { Missing, Text, Foreign };

struct Contents {
    FileState state = FileState::Missing;
    QByteArray bytes;
};

// A file saved by an editor as UTF-8 with a byte-order mark reads as the GBK text it
// stands for; the next write saves it back as GBK.
QByteArray asGbk(QByteArray bytes)
{
    static const QByteArray Utf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");
    if (!bytes.startsWith(Utf8Mark)) return bytes;
    return GbkText::encode(QString::fromUtf8(bytes.mid(Utf8Mark.size())));
}

Contents load(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return {};
    if (!info.isFile()) return {FileState::Foreign, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {FileState::Foreign, {}};
    // Read what the open file holds (not a 4 MiB buffer on every read of a small file);
    // a file that grows meanwhile is read on to the limit rather than cut short.
    const qint64 size = file.size();
    if (size > ProfileFile::MaxFileBytes) return {FileState::Foreign, {}};
    QByteArray bytes = file.read(size > 0 ? size + 1 : ProfileFile::MaxFileBytes + 1);
    if (bytes.size() > size && size > 0)
        bytes += file.read(ProfileFile::MaxFileBytes + 1 - bytes.size());
    if (bytes.size() > ProfileFile::MaxFileBytes || bytes.contains('\0') ||
        file.error() != QFile::NoError)
        return {FileState::Foreign, {}};
    return {FileState::Text, asGbk(std::move(bytes))};
}

bool isReadOnly(const QString& path)
{
    const QFile::Permissions write = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !(QFileInfo(path).permissions() & write);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v';
}

// [begin, end) without blanks at either side.
std::pair<qsizetype, qsizetype> trimmed(const QByteArray& bytes, qsizetype begin, qsizetype end)
{
    while (begin < end && isBlank(bytes[begin]))
        ++begin;
    while (end > begin && isBlank(bytes[end - 1]))
        --end;
    return {begin, end};
}

// One line of the file: its text [begin, end) and where the next line starts.
struct Line {
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype next = 0;
};

// CR LF, LF and a lone CR (files of old editors) each end a line, as in the Windows
// profile functions.
QList<Line> splitLines(const QByteArray& bytes)
{
    QList<Line> lines;
    qsizetype begin = 0;
    while (begin < bytes.size()) {
        qsizetype end = begin;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < bytes.size() && bytes[next] == '\r') ++next;
        if (next < bytes.size() && bytes[next] == '\n') ++next;
        lines.append({begin, end, next});
        begin = next;
    }
    return lines;
}

bool endsWithLineBreak(const QByteArray& bytes)
{
    return bytes.endsWith('\n') || bytes.endsWith('\r');
}

bool sameName(const QByteArray& stored, const QString& wanted)
{
    return GbkText::decode(stored).compare(wanted, Qt::CaseInsensitive) == 0;
}

// The name of a "[name]" line; nullopt for other lines.
std::optional<QByteArray> sectionName(const QByteArray& bytes, const Line& line)
{
    const auto [begin, end] = trimmed(bytes, line.begin, line.end);
    if (begin == end || bytes[begin] != '[') return std::nullopt;
    qsizetype close = bytes.indexOf(']', begin + 1);
    if (close < 0 || close > end) close = end;
    const auto [nameBegin, nameEnd] = trimmed(bytes, begin + 1, close);
    return bytes.mid(nameBegin, nameEnd - nameBegin);
}

struct Entry {
    QByteArray key;
    qsizetype valueBegin = 0;
    qsizetype valueEnd = 0;
};

// The key and value of a "key=value" line; nullopt for other lines.
std::optional<Entry> entryOf(const QByteArray& bytes, const Line& line)
{
    const qsizetype equals = bytes.indexOf('=', line.begin);
    if (equals < 0 || equals >= line.end) return std::nullopt;
    const auto [keyBegin, keyEnd] = trimmed(bytes, line.begin, equals);
    const auto [valueBegin, valueEnd] = trimmed(bytes, equals + 1, line.end);
    return Entry{bytes.mid(keyBegin, keyEnd - keyBegin), valueBegin, valueEnd};
}

// The value of an entry as read: one pair of matching quotes around it removed (hand-edited
// files often have AllConst="2"; Windows reads it as 2), then at most MaxValueBytes of it,
// never half a character. Quote bytes never occur inside a GBK double-byte character.
QString valueOf(const QByteArray& bytes, const Entry& entry)
{
    QByteArray value = bytes.mid(entry.valueBegin, entry.valueEnd - entry.valueBegin);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return GbkText::decode(GbkText::cut(value, ProfileFile::MaxValueBytes));
}

// Where a section lies in the file, as line indexes.
struct SectionSpan {
    int header = -1;     // the "[name]" line
    int lastFilled = -1; // the last line of the section that is not blank
    int end = 0;         // the first line after the section
};

std::optional<SectionSpan> findSection(const QByteArray& bytes, const QList<Line>& lines,
                                       const QString& section)
{
    for (int i = 0; i < lines.size(); ++i) {
        const std::optional<QByteArray> name = sectionName(bytes, lines[i]);
        if (!name || !sameName(*name, section)) continue;
        SectionSpan span{i, i, i + 1};
        while (span.end < lines.size() && !sectionName(bytes, lines[span.end])) {
            const auto [begin, end] = trimmed(bytes, lines[span.end].begin, lines[span.end].end);
            if (begin != end) span.lastFilled = span.end;
            ++span.end;
        }
        return span;
    }
    return std::nullopt;
}

// Index of the line holding `key` inside the section; -1 when there is none.
int findKey(const QByteArray& bytes, const QList<Line>& lines, const SectionSpan& span,
            const QString& key, Entry* found)
{
    for (int i = span.header + 1; i < span.end; ++i) {
        const std::optional<Entry> entry = entryOf(bytes, lines[i]);
        if (entry && sameName(entry->key, key)) {
            if (found) *found = *entry;
            return i;
        }
    }
    return -1;
}

QByteArray valueBytes(QString value)
{
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return GbkText::encode(value);
}

// The file content after writing the entry.
QByteArray withEntry(QByteArray bytes, const QString& section, const QString& key,
                     const QString& value)
{
    const QList<Line> lines = splitLines(bytes);
    const std::optional<SectionSpan> span = findSection(bytes, lines, section);
    if (!span) {
        if (!bytes.isEmpty() && !endsWithLineBreak(bytes)) bytes += LineBreak;
        bytes += '[' + GbkText::encode(section) + ']' + LineBreak;
        bytes += GbkText::encode(key) + '=' + valueBytes(value) + LineBreak;
        return bytes;
    }
    Entry entry;
    const int keyLine = findKey(bytes, lines, *span, key, &entry);
    if (keyLine >= 0) {
        // Keep the key as spelled in the file; only the value changes.
        const Line& line = lines[keyLine];
        bytes.replace(line.begin, line.end - line.begin, entry.key + '=' + valueBytes(value));
        return bytes;
    }
    const Line& last = lines[span->lastFilled];
    QByteArray insertion = GbkText::encode(key) + '=' + valueBytes(value) + LineBreak;
    if (last.next == last.end) // the file ends without a line break
        insertion.prepend(LineBreak);
    bytes.insert(last.next, insertion);
    return bytes;
}

} // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {}

QString ProfileFile::read(const QString& section, const QString& key) const
{
    const Contents contents = load(path_);
    if (contents.state != FileState::Text) return {};
    const QByteArray& bytes = contents.bytes;
    const QList<Line> lines = splitLines(bytes);
    const std::optional<SectionSpan> span = findSection(bytes, lines, section);
    if (!span) return {};
    Entry entry;
    if (findKey(bytes, lines, *span, key, &entry) < 0) return {};
    return valueOf(bytes, entry);
}

bool ProfileFile::write(const QString& section, const QString& key, const QString& value) const
{
    // Two running copies of the program write the same file: one read-modify-write at a
    // time, so that neither drops a key the other has just written. Without the lock (a
    // folder where it cannot be made) the write goes ahead as before.
    QLockFile lock(path_ + QStringLiteral(".lock"));
    lock.tryLock(LockWaitMs);
    const Contents contents = load(path_);
    if (contents.state == FileState::Foreign) return false;
    // A file made read-only stays as it is, also for a user whom permissions do not bind.
    if (contents.state == FileState::Text && isReadOnly(path_)) return false;
    const QByteArray bytes = withEntry(contents.bytes, section, key, value);
    QSaveFile file(path_);
    // In a folder where no temporary file can be made (a writable file in a read-only
    // folder) the file is written in place rather than not at all.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // Flush before committing: QSaveFile would otherwise put a file in place that a
    // full disk cut short while it was being flushed on commit.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QStringList ProfileFile::keys(const QString& section) const
{
    QStringList names;
    for (const ProfileEntry& entry : entries(section))
        names << entry.key;
    return names;
}

QList<ProfileEntry> ProfileFile::entries(const QString& section) const
{
    const Contents contents = load(path_);
    if (contents.state != FileState::Text) return {};
    const QByteArray& bytes = contents.bytes;
    const QList<Line> lines = splitLines(bytes);
    const std::optional<SectionSpan> span = findSection(bytes, lines, section);
    QList<ProfileEntry> found;
    if (!span) return found;
    for (int i = span->header + 1; i < span->end; ++i)
        if (const std::optional<Entry> entry = entryOf(bytes, lines[i]))
            found.append({GbkText::decode(entry->key), valueOf(bytes, *entry)});
    return found;
}

std::map<qint64, QString> numberedValues(const QList<ProfileEntry>& entries, const QString& prefix)
{
    // Numbers as integerText writes them: no sign, no leading zero, no more digits than
    // a qint64 holds.
    constexpr int MaxDigits = 18;
    std::map<qint64, QString> values;
    for (const ProfileEntry& entry : entries) {
        const QStringView key(entry.key);
        if (key.size() <= prefix.size() || key.size() - prefix.size() > MaxDigits ||
            key.left(prefix.size()).compare(prefix, Qt::CaseInsensitive) != 0)
            continue;
        const QStringView digits = key.sliced(prefix.size());
        if (digits.size() > 1 && digits.front() == QLatin1Char('0')) continue;
        qint64 number = 0;
        bool decimal = true;
        for (const QChar c : digits) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                decimal = false;
                break;
            }
            number = number * 10 + (c.unicode() - '0');
        }
        // A name stored twice reads as its first line.
        if (decimal) values.try_emplace(number, entry.value);
    }
    return values;
}

} // namespace orvane
