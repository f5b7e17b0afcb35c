// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Engine.h"

#include <QObject>

class TestConstants : public QObject {
    Q_OBJECT
private slots:
    void init();
    void refusals_data();
    void refusals();
    void acceptedNameOutsideTheRuleIsListedButNotInstalled_data();
    void acceptedNameOutsideTheRuleIsListedButNotInstalled();
    void exponentValueAndCaseInsensitivity();
    void duplicateKeepsOldValue();
    void addConstantNameRule_data();
    void addConstantNameRule();
    void removeConstant();
    void bindingUnknowns();
    void secondBindWithoutClearKeepsFirstValue();
    void bindingKeepsRowsInStep();
    void removeSelectedConstant();
    void endingABindingLeavesTheConstantsAlone();
    void copiesEvaluateOnTheirOwn();
    void copiesRunOnTwoThreads();

private:
    orvane::engine::Engine engine_;
};
