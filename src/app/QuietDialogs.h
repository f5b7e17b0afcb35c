// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemDialogs.h"

#include <ostream>

namespace orvane {

// Dialogs for running without a window: messages go to a stream, every question is
// answered "no" and every file or colour dialog is cancelled.
class QuietDialogs : public SystemDialogs {
public:
    explicit QuietDialogs(std::ostream& log) : log_(log) {}

    MessageAnswer showMessage(QWidget*, const MessageRequest& request) override
    {
        log_ << request.text.toStdString() << '\n';
        return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    std::optional<QString> showSaveDialog(QWidget*, const FileDialogRequest&) override
    {
        return {};
    }
    std::optional<QString> showOpenDialog(QWidget*, const FileDialogRequest&) override
    {
        return {};
    }
    std::optional<Colour> showColourDialog(QWidget*, Colour) override { return {}; }
    std::optional<QString> showInputDialog(QWidget*, const InputRequest&) override { return {}; }
    bool showPrintDialog(QWidget*, QPrinter&) override { return false; }

private:
    std::ostream& log_;
};

} // namespace orvane
