// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProfileFile.h"

#include <QList>
#include <QString>

#include <functional>
#include <map>
#include <optional>

namespace orvane {

// A named constant as the settings file keeps it: name and value text.
struct NamedValue {
    QString name;
    QString value;
    bool operator==(const NamedValue& other) const
    {
        return name == other.name && value == other.value;
    }
};

// The constants a fresh settings file starts with, positions 1 to 3.
const QList<NamedValue>& defaultConstants();

// Access to the settings file "orvane.ini": preferences in section `Setup`, the last
// expressions and the user's constants in section `Infomation`. Every call goes to the
// file; the main window owns one instance and hands it to the windows that need it.
class Settings {
public:
    static const QString SetupSection; // "Setup"
    static const QString InfoSection;  // "Infomation" (spelled so in every existing file)

    explicit Settings(QString settingsPath);

    // Called with the file's path whenever a write fails (a read-only file, a full disk),
    // so that the user learns that the change is not kept.
    void setWriteFailureHandler(std::function<void(const QString& path)> handler)
    {
        onWriteFailure_ = std::move(handler);
    }

    const QString& settingsPath() const { return file_.path(); }

    QString getSetupValue(const QString& key) const;
    void setSetupValue(const QString& key, const QString& value) const;
    QString getInfoValue(const QString& key) const;
    void setInfoValue(const QString& key, const QString& value) const;

    // Appends a constant to the persisted list; `position` is the 1-based count of
    // constants after adding it, so the entry lands at the end.
    void addConstantEntry(const QString& name, const QString& value, int position) const;
    // Removes the constant at the 1-based `position` and closes the gap. A position
    // outside 1..AllConst changes nothing.
    void removeConstantEntry(int position) const;

    // Numeric keys: the leading number of the text, to the nearest integer with halves
    // going to the even neighbour; 0 for text without a number and for values that do
    // not fit.
    static qint16 toInt16Value(const QString& text);
    static qint32 toInt32Value(const QString& text);
    qint16 getSetupInt16(const QString& key) const { return toInt16Value(getSetupValue(key)); }
    qint32 getSetupInt32(const QString& key) const { return toInt32Value(getSetupValue(key)); }
    qint16 getInfoInt16(const QString& key) const { return toInt16Value(getInfoValue(key)); }

    // The persisted constants list in position order; std::nullopt when `AllConst`
    // converts to 0, meaning the default constants apply. Positions up to `AllConst`
    // with neither a name nor a value in the file (absent or empty) are no constants and
    // are left out, so a damaged count or position cannot run away.
    std::optional<QList<NamedValue>> savedConstants() const;

private:
    // The ConstName<n> and ConstValue<n> keys of the file that are not empty, by position.
    struct StoredConstants {
        std::map<qint64, QString> names;
        std::map<qint64, QString> values;
    };
    StoredConstants storedConstants() const;
    // The highest position with a name or a value; 0 when there is none.
    qint64 lastStoredPosition() const;
    void write(const QString& section, const QString& key, const QString& value) const;

    ProfileFile file_;
    std::function<void(const QString&)> onWriteFailure_;
};

} // namespace orvane
