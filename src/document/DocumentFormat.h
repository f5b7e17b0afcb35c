// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DocumentContent.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace orvane {

// The document file (*.ovd): UTF-8 JSON, "format": "orvane-document", "version": 1.
// docs/document-format.md describes every key.
namespace DocumentFormat {

inline constexpr int Version = 1;
// Larger files are refused before they are read.
inline constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;
inline const char* const FormatName = "orvane-document";

struct ReadResult {
    std::optional<DocumentContent> content;
    QString error; // what is wrong, when content is empty
};

// Reads a whole document; keys left out take `defaults`, unknown keys are ignored. The
// picture always comes back complete: a file whose sketch holds no clear, axes or entry
// operation gets the axes (unless hidden) and every entry drawn before its sketch.
ReadResult read(const QByteArray& bytes, const DocumentDefaults& defaults);
QByteArray write(const DocumentContent& content);

// Files: the error texts name the file. Saving goes through QSaveFile, so a failed
// write leaves an existing file whole.
ReadResult readFile(const QString& path, const DocumentDefaults& defaults);
// Empty when saved, else the message.
QString writeFile(const QString& path, const QByteArray& bytes);

// Colours as "#rrggbb" (the program keeps them as 0x00BBGGRR).
QString colourText(Colour colour);
std::optional<Colour> parseColour(const QString& text);

} // namespace DocumentFormat

} // namespace orvane
