// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestMain.h"
#include "tst_Axes.h"
#include "tst_Conics.h"
#include "tst_PlotterDocument.h"
#include "tst_PlotterPanel.h"
#include "tst_Sampler.h"
#include "tst_Tracer.h"

#include <QApplication>

ORVANE_TEST_MAIN(QApplication, TestAxes, TestTracer, TestConics, TestPlotterPanel,
                 TestPlotterDocument, TestSampler)
