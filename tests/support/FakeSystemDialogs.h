// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemDialogs.h"

#include <QList>
#include <QStringList>

#include <deque>

namespace orvane {

// Records every dialog the program asks for and answers from a plan. An unplanned
// question gets the "cancel" answer (No for Yes/No boxes), so a test never hangs.
class FakeSystemDialogs : public SystemDialogs {
public:
    struct Call {
        enum Kind { Message, Save, Open, Colour, Input, Print } kind;
        MessageRequest message;
        FileDialogRequest file;
        InputRequest input;
    };

    MessageAnswer showMessage(QWidget* owner, const MessageRequest& request) override;
    std::optional<QString> showSaveDialog(QWidget* owner,
                                          const FileDialogRequest& request) override;
    std::optional<QString> showOpenDialog(QWidget* owner,
                                          const FileDialogRequest& request) override;
    std::optional<orvane::Colour> showColourDialog(QWidget* owner, orvane::Colour current) override;
    std::optional<QString> showInputDialog(QWidget* owner, const InputRequest& request) override;
    bool showPrintDialog(QWidget* owner, QPrinter& printer) override;

    // Planned answers, consumed in order.
    std::deque<MessageAnswer> messageAnswers;
    std::deque<std::optional<QString>> fileAnswers;
    std::deque<std::optional<orvane::Colour>> colourAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    // Where a confirmed print dialog sends the output (a PDF file); empty = cancel.
    QString printToPdf;

    QList<Call> calls;
    // The colour each colour dialog opened on.
    QList<orvane::Colour> colourDialogStarts;

    // The texts of all message boxes shown so far, in order.
    QStringList messageTexts() const;
    int count(Call::Kind kind) const;
    void clear();
};

} // namespace orvane
