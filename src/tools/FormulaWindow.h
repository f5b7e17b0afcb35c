// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace orvane {

// "公式计算": the area, volume and series formulas chosen from two lists; the inputs
// are asked one by one and the result shown in a message box.
class FormulaWindow : public QWidget {
    Q_OBJECT
public:
    FormulaWindow(Services& services, QWidget* owner);

    // Asks values.size() inputs (a, b, c) in input dialogs and evaluates each answer.
    // False when a dialog is cancelled, or when an answer cannot be evaluated (which is
    // told, with the reason and its place).
    bool takeFormula(const QString& formulaText, const QString& description,
                     std::vector<double>& values);

signals:
    // The link asks for the console calculator; the window closes right after.
    void consoleRequested();

public slots:
    void fillFormulaList();
    void showSelectedFormula();
    void openConsoleCalculator();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Services& services_;
    QComboBox* comType_ = nullptr;
    QListWidget* lisType_ = nullptr;
};

} // namespace orvane
