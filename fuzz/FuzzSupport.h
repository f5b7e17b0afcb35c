// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// Helpers shared by the fuzz targets. A broken property aborts with a message, so that
// libFuzzer keeps the input that shows it.
namespace orvane::fuzz {

[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

inline void require(bool holds, const char* what)
{
    if (!holds) fail(what);
}

// The input cut at '\n' bytes; the last piece runs to the end.
inline std::vector<std::string_view> lines(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string_view> out;
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    std::size_t begin = 0;
    while (begin <= all.size()) {
        const std::size_t end = all.find('\n', begin);
        if (end == std::string_view::npos) {
            out.push_back(all.substr(begin));
            break;
        }
        out.push_back(all.substr(begin, end - begin));
        begin = end + 1;
    }
    return out;
}

// One scratch folder per fuzzing process, removed when it ends.
inline const QTemporaryDir& scratch()
{
    static const QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/orvane-fuzz-XXXXXX"));
    if (!dir.isValid()) fail("no scratch folder");
    return dir;
}

inline QString scratchFile(const QString& name)
{
    return scratch().filePath(name);
}

// Replaces the file at `path` with exactly `bytes`.
inline void putFile(const QString& path, const std::uint8_t* data, std::size_t size)
{
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) fail("cannot write the scratch file");
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace orvane::fuzz
