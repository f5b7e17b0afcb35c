// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberText.h"

#include <QString>

#include <string>
#include <string_view>

// Bridges between the engine's UTF-8 texts and Qt's strings.
namespace orvane {

inline QString toQString(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline std::string toStdString(const QString& s)
{
    return s.toStdString();
}

inline QString generalForm(double v) { return toQString(NumberText::generalForm(v)); }
inline QString leadingBlank(double v) { return toQString(NumberText::leadingBlank(v)); }
inline QString formatPattern(double v, std::string_view pattern)
{
    return toQString(NumberText::formatPattern(v, pattern));
}
inline QString integerText(long long v) { return toQString(NumberText::integerText(v)); }
inline double leadingNumber(const QString& text)
{
    return NumberText::leadingNumber(text.toStdString());
}

} // namespace orvane
