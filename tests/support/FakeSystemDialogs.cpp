// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeSystemDialogs.h"

#include <QPrinter>

namespace orvane {

namespace {
template <typename T> T takeFront(std::deque<T>& queue, T fallback)
{
    if (queue.empty()) return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
}
} // namespace

MessageAnswer FakeSystemDialogs::showMessage(QWidget*, const MessageRequest& request)
{
    calls.append({Call::Message, request, {}, {}});
    const MessageAnswer fallback = request.buttons == MessageButtons::YesNo ? MessageAnswer::No
                                   : request.buttons == MessageButtons::OkCancel
                                       ? MessageAnswer::Cancel
                                   // An unplanned "save changes?" lets a window close as
                                   // it did before the question existed.
                                   : request.buttons == MessageButtons::SaveDiscardCancel
                                       ? MessageAnswer::No
                                       : MessageAnswer::Ok;
    return takeFront(messageAnswers, fallback);
}

std::optional<QString> FakeSystemDialogs::showSaveDialog(QWidget*, const FileDialogRequest& request)
{
    calls.append({Call::Save, {}, request, {}});
    return takeFront(fileAnswers, std::optional<QString>());
}

std::optional<QString> FakeSystemDialogs::showOpenDialog(QWidget*, const FileDialogRequest& request)
{
    calls.append({Call::Open, {}, request, {}});
    return takeFront(fileAnswers, std::optional<QString>());
}

std::optional<orvane::Colour> FakeSystemDialogs::showColourDialog(QWidget*, orvane::Colour current)
{
    colourDialogStarts.append(current);
    calls.append({Call::Colour, {}, {}, {}});
    return takeFront(colourAnswers, std::optional<orvane::Colour>());
}

std::optional<QString> FakeSystemDialogs::showInputDialog(QWidget*, const InputRequest& request)
{
    calls.append({Call::Input, {}, {}, request});
    return takeFront(inputAnswers, std::optional<QString>());
}

bool FakeSystemDialogs::showPrintDialog(QWidget*, QPrinter& printer)
{
    calls.append({Call::Print, {}, {}, {}});
    if (printToPdf.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToPdf);
    return true;
}

QStringList FakeSystemDialogs::messageTexts() const
{
    QStringList texts;
    for (const Call& call : calls)
        if (call.kind == Call::Message) texts << call.message.text;
    return texts;
}

int FakeSystemDialogs::count(Call::Kind kind) const
{
    int n = 0;
    for (const Call& call : calls)
        n += call.kind == kind ? 1 : 0;
    return n;
}

void FakeSystemDialogs::clear()
{
    calls.clear();
    messageAnswers.clear();
    fileAnswers.clear();
    colourAnswers.clear();
    inputAnswers.clear();
    printToPdf.clear();
}

} // namespace orvane
