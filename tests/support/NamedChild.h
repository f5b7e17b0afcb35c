// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace orvane::test {

// The child of `parent` with that object name. A missing one ends the run at once with
// its name, instead of a null pointer failing somewhere further on.
template <typename T> T* child(const QObject* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found) qFatal("no child named %s", qPrintable(name));
    return found;
}

} // namespace orvane::test
