// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtSystemDialogs.h"

#include "Colours.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

namespace orvane {

namespace {

const QString ProgramTitle = QStringLiteral("Orvane");

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString filterOf(const FileDialogRequest& request)
{
    if (request.filterText.isEmpty()) return {};
    // Qt reads the patterns from the parentheses of the display text; add them when
    // the caller's text does not carry them.
    if (request.filterText.contains(request.filterPattern)) return request.filterText;
    return request.filterText + QStringLiteral(" (") + request.filterPattern + QLatin1Char(')');
}

std::optional<QString> chosenPath(const QString& path)
{
    if (path.isEmpty()) return std::nullopt;
    // The folder must exist; a file name typed into a missing folder counts as a cancel.
    if (!QFileInfo(path).absoluteDir().exists()) return std::nullopt;
    return path;
}

} // namespace

MessageAnswer QtSystemDialogs::showMessage(QWidget* owner, const MessageRequest& request)
{
    // The program's texts break lines with a lone carriage return.
    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(toQtIcon(request.icon), request.title.isEmpty() ? ProgramTitle : request.title,
                    text, QMessageBox::NoButton, owner);
    switch (request.buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.button(QMessageBox::Save)->setText(QStringLiteral("保存"));
        box.button(QMessageBox::Discard)->setText(QStringLiteral("不保存"));
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Save:
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::Discard:
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        break;
    }
    if (request.buttons == MessageButtons::SaveDiscardCancel) return MessageAnswer::Cancel;
    return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

std::optional<QString> QtSystemDialogs::showSaveDialog(QWidget* owner,
                                                       const FileDialogRequest& request)
{
    // QFileDialog asks before overwriting by default; no default suffix is given.
    return chosenPath(QFileDialog::getSaveFileName(owner, request.title, request.initialFolder,
                                                   filterOf(request)));
}

std::optional<QString> QtSystemDialogs::showOpenDialog(QWidget* owner,
                                                       const FileDialogRequest& request)
{
    // Like the system's open dialog here, the file itself need not exist.
    QFileDialog dialog(owner, request.title, request.initialFolder, filterOf(request));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return chosenPath(dialog.selectedFiles().constFirst());
}

std::optional<Colour> QtSystemDialogs::showColourDialog(QWidget* owner, Colour current)
{
    // Custom colours never carry over between calls.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::black);
    const QColor colour = QColorDialog::getColor(toQColor(current), owner);
    if (!colour.isValid()) return std::nullopt;
    return toColour(colour);
}

std::optional<QString> QtSystemDialogs::showInputDialog(QWidget* owner, const InputRequest& request)
{
    if (!request.note) {
        bool ok = false;
        const QString text = QInputDialog::getText(owner, request.title, request.prompt,
                                                   QLineEdit::Normal, request.defaultText, &ok);
        if (!ok) return std::nullopt;
        return text;
    }
    // The input dialog with a line under its box for the note.
    QDialog dialog(owner);
    dialog.setWindowTitle(request.title);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(request.prompt, &dialog));
    auto* box = new QLineEdit(request.defaultText, &dialog);
    layout->addWidget(box);
    auto* note = new QLabel(&dialog);
    note->setObjectName(QStringLiteral("InputNote"));
    note->setToolTip(request.noteToolTip);
    note->setStyleSheet(QStringLiteral("color: #a00000;"));
    layout->addWidget(note);
    const auto update = [note, &request](const QString& text) {
        const QString shown = request.note(text);
        note->setText(shown);
        note->setVisible(!shown.isEmpty());
    };
    QObject::connect(box, &QLineEdit::textChanged, note, update);
    update(box->text());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return box->text();
}

bool QtSystemDialogs::showPrintDialog(QWidget* owner, QPrinter& printer)
{
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace orvane
