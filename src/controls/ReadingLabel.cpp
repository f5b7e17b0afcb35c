// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadingLabel.h"

#include "SchoolReading.h"

#include <QLineEdit>

namespace orvane {

ReadingLabel::ReadingLabel(QLineEdit* box, QWidget* parent) : QLabel(parent), box_(box)
{
    setObjectName(box->objectName() + QStringLiteral("Reading"));
    setToolTip(QString::fromStdString(SchoolReading::rule()));
    // Dark red: a warning to read, not an error.
    setStyleSheet(QStringLiteral("color: #a00000;"));
    setTextFormat(Qt::PlainText);
    connect(box, &QLineEdit::textChanged, this, &ReadingLabel::updateReading);
    updateReading();
}

void ReadingLabel::shareLineWith(QWidget* other)
{
    other_ = other;
    updateReading();
}

void ReadingLabel::updateReading()
{
    const QString note =
        box_ ? QString::fromStdString(SchoolReading::note(box_->text().toStdString())) : QString();
    setText(note);
    // Shown within its window only: a label without a parent would open as a window.
    if (parentWidget()) setVisible(!note.isEmpty());
    if (other_) other_->setVisible(note.isEmpty());
}

} // namespace orvane
