// SPDX-License-Identifier: GPL-3.0-or-later
// The document reader, in memory: any input is refused with a message or read; what is
// read writes out as a file that reads back to the same file.
#include "FuzzSupport.h"

#include "DocumentFormat.h"

#include <QByteArray>

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const DocumentFormat::ReadResult read = DocumentFormat::read(bytes, {});
    if (!read.content) {
        fuzz::require(!read.error.isEmpty(), "a refused document has a message");
        return 0;
    }
    for (const SketchItem& item : read.content->sketch)
        if (item.op == SketchItem::Op::Entry)
            fuzz::require(item.index >= 0 && std::size_t(item.index) < read.content->entries.size(),
                          "an entry operation names a listed entry");
    const QByteArray written = DocumentFormat::write(*read.content);
    const DocumentFormat::ReadResult again = DocumentFormat::read(written, {});
    fuzz::require(again.content.has_value(), "a written document reads back");
    fuzz::require(DocumentFormat::write(*again.content) == written,
                  "a written document reads back to the same file");
    return 0;
}
