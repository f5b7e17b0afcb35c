#pragma once

#include "Engine.h"
#include "FakeEnvironment.h"
#include "FakeSystemDialogs.h"
#include "Services.h"

#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace orvane::testing {

// A fresh engine with the constants every installation starts with.
inline void resetEngineWithDefaults()
{
    engine::ResetEngine();
    engine::AddUserConstant("Pi", "3.14159265358979");
    engine::AddUserConstant("e", "2.71828182845905");
    engine::AddUserConstant("g", "9.8");
}

// Faked dialogs and outside world, handed to the windows as their services.
struct FakeServices {
    FakeSystemDialogs dialogs;
    FakeEnvironment environment;
    Services services{dialogs, environment};
};

// A control of `window` by its name; fails the test (and returns null) when missing.
template <typename T> T* control(const QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
    return found;
}

// Replaces the text of a box as a user would: select all, type.
inline void retype(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

} // namespace orvane::testing
