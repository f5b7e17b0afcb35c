// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Conics.h"
#include "PlotRecord.h"

#include <QFrame>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace orvane {

class FlatButton;

// Page "圆锥函数": the kind of conic, its parameters and options.
class ConicPage : public QFrame {
    Q_OBJECT
public:
    explicit ConicPage(QWidget* parent = nullptr);

    ConicKind conicKind() const { return kind_; }
    // Selects a kind as a click on its option does, resetting the boxes it owns.
    void selectConicKind(ConicKind kind);
    // The current parameters as the boxes and options hold them.
    ConicParameters parameters() const;

    // False when a box holds a number the list cannot store (beyond 16 bits).
    bool parametersStorable() const;

    // Writes a stored record back into the boxes and options (loading a list row).
    void showRecord(const PlotRecord& record);
    // The boxes show the parameters exactly as an entry was drawn with them.
    void showParameters(const ConicParameters& parameters);
    // Fills the conic fields of a record from the boxes.
    void storeInto(PlotRecord& record) const;

    bool randomHelpColours() const;
    void setRandomHelpColours(bool on);

    FlatButton* addButton() const { return cmdCirAdd_; }
    FlatButton* deleteButton() const { return cmdDelCircle_; }

signals:
    void helpColourOptionClicked(bool on);

private:
    void selectAlongX(bool alongX);

    ConicKind kind_ = ConicKind::Circle;
    QRadioButton* Ot_[3];
    QLineEdit* TXA_;
    QLineEdit* TXB_;
    QLineEdit* TX1_;
    QLineEdit* TX2_;
    QLabel* LC1_;
    QLabel* LC2_;
    QGroupBox* FQX_;
    QRadioButton* OQX_;
    QRadioButton* OQY_;
    QCheckBox* CQX_;
    QCheckBox* cheZLINE_;
    QCheckBox* helpLineColor_;
    FlatButton* cmdCirAdd_;
    FlatButton* cmdDelCircle_;
};

} // namespace orvane
