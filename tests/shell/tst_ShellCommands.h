// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestShellCommands : public QObject {
    Q_OBJECT
private slots:
    void saveCommandsAskWithTheirDialog_data();
    void saveCommandsAskWithTheirDialog();
    void saveSaysWhatWentWrong_data();
    void saveSaysWhatWentWrong();
    void damagedImportIsReported();
    void cancelledSaveWritesNothing();
    void importLoadsTheChosenFile();
    void cancelledImportLoadsNothing();
    void helpLiesBesideTheProgram();
    void helpNamesEveryBuiltInFunction();

private:
    QTemporaryDir dir_;
};
