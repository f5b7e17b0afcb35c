// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

namespace orvane {

// A multi-line text box whose text, like the reports written into it, separates lines
// with CR LF. The editor itself keeps plain line feeds.
class ResultBox : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    explicit ResultBox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
};

} // namespace orvane
