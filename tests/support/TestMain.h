// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>

template <typename Test> int runTest(int argc, char** argv)
{
    Test test;
    return QTest::qExec(&test, argc, argv) != 0 ? 1 : 0;
}

// Runs several test classes from one executable; the exit status counts the
// failed classes.
template <typename... Tests> int runTests(int argc, char** argv)
{
    int failures = 0;
    ((failures += runTest<Tests>(argc, argv)), ...);
    return failures;
}

#define ORVANE_TEST_MAIN(AppType, ...)                                                             \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        AppType app(argc, argv);                                                                   \
        return runTests<__VA_ARGS__>(argc, argv);                                                  \
    }
