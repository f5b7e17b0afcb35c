// SPDX-License-Identifier: GPL-3.0-or-later
// Writes keys into a settings file through Settings, one write per key, as the windows do.
//
//   settings_writer PATH PREFIX COUNT [VALUE_BYTES] [--file-size-limit BYTES]
//
// Key i (1..COUNT) of section Setup is PREFIX followed by i; its value is "v" followed
// by i, padded with "x" to VALUE_BYTES when given. With --file-size-limit, files
// larger than BYTES cannot be written (RLIMIT_FSIZE), as on a full disk.
#include "Settings.h"

#include <QCoreApplication>
#include <QStringList>

#include <sys/resource.h>

#include <csignal>
#include <cstdio>

namespace {

bool limitFileSize(rlim_t bytes)
{
    // A write past the limit must fail with EFBIG rather than end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const int limitAt = int(arguments.indexOf(QStringLiteral("--file-size-limit")));
    if (limitAt >= 0) {
        bool ok = false;
        const qulonglong bytes = arguments.value(limitAt + 1).toULongLong(&ok);
        if (!ok || !limitFileSize(bytes)) return 2;
        arguments.remove(limitAt, 2);
    }
    if (arguments.size() < 3) {
        std::fputs("usage: settings_writer PATH PREFIX COUNT [VALUE_BYTES] "
                   "[--file-size-limit BYTES]\n",
                   stderr);
        return 2;
    }
    const orvane::Settings settings(arguments[0]);
    const QString prefix = arguments[1];
    const int count = arguments[2].toInt();
    const int valueBytes = arguments.value(3).toInt();
    for (int i = 1; i <= count; ++i) {
        const QString number = QString::number(i);
        const QString value =
            (QStringLiteral("v") + number).leftJustified(valueBytes, QLatin1Char('x'));
        settings.setSetupValue(prefix + number, value);
    }
    return 0;
}
