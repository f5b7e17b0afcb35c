// SPDX-License-Identifier: GPL-3.0-or-later
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
inline engine::Engine engineWithDefaults()
{
    engine::Engine fresh;
    fresh.addUserConstant("Pi", "3.14159265358979");
    fresh.addUserConstant("e", "2.71828182845905");
    fresh.addUserConstant("g", "9.8");
    return fresh;
}

// Faked dialogs and outside world and a fresh engine with the default constants, handed
// to the windows as their services.
struct FakeServices {
    FakeSystemDialogs dialogs;
    FakeEnvironment environment;
    engine::Engine engine = engineWithDefaults();
    Services services{dialogs, environment, engine};
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
