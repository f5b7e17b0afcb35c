#pragma once

#include <QObject>

class TestBadExpressions : public QObject {
    Q_OBJECT
private slots:
    void init();
    void megabyteTexts_data();
    void megabyteTexts();
    void everyPairOfBytes();
    void deepNestingThroughTheProgram_data();
    void deepNestingThroughTheProgram();
};
