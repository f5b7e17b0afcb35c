// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The settings and function-graph files are GBK (code page 936) text, so that they move
// unchanged between this program and older copies of it.
namespace orvane::GbkText {

QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

// The first bytes of `bytes`, at most `maxBytes` of them, never ending inside a
// double-byte character.
QByteArray cut(const QByteArray& bytes, int maxBytes);

} // namespace orvane::GbkText
