// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPointer>

class QLineEdit;

namespace orvane {

// One line under an expression box that says how the program reads the text where the
// school convention reads it otherwise ("按 (6*x)^2 计算"), with the rule as its tooltip.
// Hidden while both readings agree.
class ReadingLabel : public QLabel {
    Q_OBJECT
public:
    // Follows `box` from now on; named after it ("txtCSReading").
    explicit ReadingLabel(QLineEdit* box, QWidget* parent = nullptr);

    // A widget that takes the line while there is nothing to say (a hint), and gives it
    // up while the label shows.
    void shareLineWith(QWidget* other);

    // The note for the box's text as it stands.
    void updateReading();

private:
    QPointer<QLineEdit> box_;
    QPointer<QWidget> other_;
};

} // namespace orvane
