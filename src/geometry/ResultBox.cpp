// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultBox.h"

namespace orvane {

ResultBox::ResultBox(QWidget* parent) : QPlainTextEdit(parent) {}

QString ResultBox::text() const
{
    return toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void ResultBox::setText(const QString& text)
{
    setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

} // namespace orvane
