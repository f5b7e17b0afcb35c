// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void parses_data();
    void parses();
    void functionFileArgument_data();
    void functionFileArgument();
    void evalPrints_data();
    void evalPrints();
    void realProgram_data();
    void realProgram();
    void renderWritesPicture_data();
    void renderWritesPicture();
    void renderWritesVectorPictures();
    void renderRefusesBadOutput();
    void helpListsBothSpellings();
    void quietWithoutRuntimeFolder_data();
    void quietWithoutRuntimeFolder();
};
