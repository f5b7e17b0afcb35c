// SPDX-License-Identifier: GPL-3.0-or-later
#include "GbkText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace orvane::GbkText {

namespace {

// Qt's ICU-backed "GBK" is Microsoft's code page 936 (0x80 is the euro sign).
constexpr const char* CodePage = "GBK";

bool isLeadByte(unsigned char c)
{
    return c >= 0x81 && c <= 0xFE;
}
bool isTrailByte(unsigned char c)
{
    return c >= 0x40 && c <= 0xFE && c != 0x7F;
}

} // namespace

QByteArray encode(const QString& text)
{
    QStringEncoder encoder(CodePage);
    return encoder.encode(text);
}

QString decode(const QByteArray& bytes)
{
    QStringDecoder decoder(CodePage);
    return decoder.decode(bytes);
}

QByteArray cut(const QByteArray& bytes, int maxBytes)
{
    if (bytes.size() <= maxBytes) return bytes;
    int end = 0;
    while (end < maxBytes) {
        const bool pair = isLeadByte(static_cast<unsigned char>(bytes[end])) &&
                          end + 1 < bytes.size() &&
                          isTrailByte(static_cast<unsigned char>(bytes[end + 1]));
        const int width = pair ? 2 : 1;
        if (end + width > maxBytes) break;
        end += width;
    }
    return bytes.left(end);
}

} // namespace orvane::GbkText
