// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Services.h"

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTimer;

namespace orvane {

class TextScreen;

// "Orvane-解一元n次方程": lists the real roots of an equation in a range (and says
// when the list may be incomplete), with a side panel holding the help text and a
// banner of stars.
class EquationSolverWindow : public QWidget {
    Q_OBJECT
public:
    EquationSolverWindow(Services& services, QWidget* owner);

    // The solver's output and the banner, as printed.
    TextScreen& result() const { return *result_; }
    TextScreen& banner() const { return *picTxt_; }

    static constexpr int CollapsedWidth = 4035;
    static constexpr int ExpandedWidth = 6000;

public slots:
    void solve();
    void closeWindow();
    void toggleInputPanel();
    void updateBanner();

private:
    void printTitle();
    void printWrapped(const QString& text);
    void fitResultToText();

    Services& services_;
    QLineEdit* Text1_ = nullptr;
    QLineEdit* txtMin_ = nullptr;
    QLineEdit* txtMax_ = nullptr;
    QPushButton* cmdA_ = nullptr;
    QScrollArea* resultArea_ = nullptr;
    TextScreen* result_ = nullptr;
    TextScreen* picTxt_ = nullptr;
    QPlainTextEdit* Text2_ = nullptr;
    QTimer* TimeTxt_ = nullptr;
};

} // namespace orvane
