// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SystemDialogs.h"

namespace orvane {

// The real dialogs, with Qt's own widgets (their buttons translated to Chinese by the
// qtbase translation loaded at start-up).
class QtSystemDialogs : public SystemDialogs {
public:
    MessageAnswer showMessage(QWidget* owner, const MessageRequest& request) override;
    std::optional<QString> showSaveDialog(QWidget* owner,
                                          const FileDialogRequest& request) override;
    std::optional<QString> showOpenDialog(QWidget* owner,
                                          const FileDialogRequest& request) override;
    std::optional<Colour> showColourDialog(QWidget* owner, Colour current) override;
    std::optional<QString> showInputDialog(QWidget* owner, const InputRequest& request) override;
    bool showPrintDialog(QWidget* owner, QPrinter& printer) override;
};

} // namespace orvane
