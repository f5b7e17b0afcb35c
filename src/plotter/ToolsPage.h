// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"

#include <QFrame>

class QLineEdit;
class QPushButton;

namespace orvane {

class PlotterHost;

// Page "计算工具": a one-line calculator and the buttons that open the calculation
// windows.
class ToolsPage : public QFrame {
    Q_OBJECT
public:
    ToolsPage(PlotterHost& host, engine::Engine& engine, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void evaluate();

    QLineEdit* txtBiao_;
    QLineEdit* txtBres_;
    engine::Engine& engine_;
};

} // namespace orvane
