// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MessageIcon.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace orvane {

// SaveDiscardCancel: "保存" answers Yes, "不保存" No, "取消" Cancel.
enum class MessageButtons { Ok, OkCancel, YesNo, SaveDiscardCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    QString text;
    QString title; // empty: the program's name
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

struct FileDialogRequest {
    QString title;
    QString filterText;    // "函数图象文件 (*.fun)"
    QString filterPattern; // "*.fun"
    QString initialFolder; // empty: the dialog's own choice
};

struct InputRequest {
    QString title;
    QString prompt;
    QString defaultText;
    // When set, a line under the box shows what this gives for the text typed (empty:
    // nothing to show), such as how an expression is read.
    std::function<QString(const QString&)> note = {};
    QString noteToolTip = {};
};

// Colours travel as the program stores them: 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

// Every message box and system dialog of the program goes through this one service,
// so that tests can plan the user's answers and record what was asked.
class SystemDialogs {
public:
    virtual ~SystemDialogs() = default;

    virtual MessageAnswer showMessage(QWidget* owner, const MessageRequest& request) = 0;
    // Full path of the chosen file; nullopt on cancel or failure.
    virtual std::optional<QString> showSaveDialog(QWidget* owner,
                                                  const FileDialogRequest& request) = 0;
    virtual std::optional<QString> showOpenDialog(QWidget* owner,
                                                  const FileDialogRequest& request) = 0;
    // Opens on `current` (the colour being changed) with no custom colours kept from
    // earlier calls.
    virtual std::optional<Colour> showColourDialog(QWidget* owner, Colour current) = 0;
    // One-line text input; nullopt when cancelled.
    virtual std::optional<QString> showInputDialog(QWidget* owner, const InputRequest& request) = 0;
    // Printer set-up; true when the user confirmed and `printer` is configured.
    virtual bool showPrintDialog(QWidget* owner, QPrinter& printer) = 0;

    // Convenience for the common plain message with an OK button.
    void inform(QWidget* owner, const QString& text, MessageIcon icon = MessageIcon::None,
                const QString& title = {})
    {
        showMessage(owner, {text, title, icon, MessageButtons::Ok});
    }
    // A save that failed: what was not saved ("无法保存图象文件：") and where.
    void informCannotWrite(QWidget* owner, const QString& what, const QString& path)
    {
        inform(owner, what + QLatin1Char('\r') + path, MessageIcon::Error);
    }
};

} // namespace orvane
