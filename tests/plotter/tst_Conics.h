// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
class TestConics : public QObject {
    Q_OBJECT
private slots:
    void rowText_data();
    void rowText();
    void circle();
    void negativeRadius();
    void ellipseDirectricesAndFoci();
    void ellipseEqualAxes();
    void ellipseWithoutPositiveAxesDrawsNothing();
    void hyperbolaAlongX();
    void hyperbolaAlongY();
    void hyperbolaZeroAxis();
    void hyperbolaCentreOutsideSweep();
    void auxiliaryLines_data();
    void auxiliaryLines();
    void helpColourAskedPerLine();
};
