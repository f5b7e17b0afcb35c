#include "TestMain.h"
#include "tst_Axes.h"
#include "tst_Conics.h"
#include "tst_Tracer.h"

#include <QGuiApplication>

ORVANE_TEST_MAIN(QGuiApplication, TestAxes, TestTracer, TestConics)
