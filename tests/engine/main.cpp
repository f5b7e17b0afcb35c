// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMain.h"
#include "tst_CompiledExpression.h"
#include "tst_Constants.h"
#include "tst_ConstantUse.h"
#include "tst_Evaluator.h"
#include "tst_NumberText.h"
#include "tst_SchoolReading.h"

#include <QCoreApplication>

ORVANE_TEST_MAIN(QCoreApplication, TestEvaluator, TestConstants, TestNumberText,
                 TestCompiledExpression, TestConstantUse, TestSchoolReading)
