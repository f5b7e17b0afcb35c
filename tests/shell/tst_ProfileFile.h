// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestProfileFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void reads_data();
    void reads();
    void writes_data();
    void writes();
    void gbkRoundTripIsByteExact();
    void otherBytesSurviveAWrite();
    void listsKeys();
    void foreignFilesHoldNothing_data();
    void foreignFilesHoldNothing();
    void readOnlyFolderIsWrittenInPlace();
    void byteOrderMarkReadAndSavedAsGbk_data();
    void byteOrderMarkReadAndSavedAsGbk();

private:
    QString path() const;
    QTemporaryDir dir_;
};
