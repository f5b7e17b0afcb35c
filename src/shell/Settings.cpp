// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include "NumberText.h"
#include "QtText.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <map>
#include <set>

namespace orvane {

namespace {

const QString AllConstKey = QStringLiteral("AllConst");

QString nameKey(int position)
{
    return QStringLiteral("ConstName") + integerText(position);
}
QString valueKey(int position)
{
    return QStringLiteral("ConstValue") + integerText(position);
}

} // namespace

const QString Settings::SetupSection = QStringLiteral("Setup");
const QString Settings::InfoSection = QStringLiteral("Infomation");

const QList<NamedValue>& defaultConstants()
{
    static const QList<NamedValue> constants{
        {QStringLiteral("Pi"), QStringLiteral("3.14159265358979")},
        {QStringLiteral("e"), QStringLiteral("2.71828182845905")},
        {QStringLiteral("g"), QStringLiteral("9.8")},
    };
    return constants;
}

Settings::Settings(QString settingsPath) : file_(std::move(settingsPath)) {}

QString Settings::getSetupValue(const QString& key) const
{
    return file_.read(SetupSection, key);
}

void Settings::setSetupValue(const QString& key, const QString& value) const
{
    write(SetupSection, key, value);
}

QString Settings::getInfoValue(const QString& key) const
{
    return file_.read(InfoSection, key);
}

void Settings::setInfoValue(const QString& key, const QString& value) const
{
    write(InfoSection, key, value);
}

void Settings::addConstantEntry(const QString& name, const QString& value, int position) const
{
    const qint32 count = toInt32Value(getInfoValue(AllConstKey));
    setInfoValue(AllConstKey, integerText(qint64(count) + 1));
    setInfoValue(nameKey(position), name);
    setInfoValue(valueKey(position), value);
}

void Settings::removeConstantEntry(int position) const
{
    const qint32 count = toInt32Value(getInfoValue(AllConstKey));
    if (position < 1 || position > count) return;
    const int remaining = count - 1;
    setInfoValue(AllConstKey, integerText(remaining));
    // Past the last stored position there is only emptiness to move down.
    const int last = int(std::min<qint64>(remaining, lastStoredPosition()));
    for (int i = position; i <= last; ++i) {
        setInfoValue(nameKey(i), getInfoValue(nameKey(i + 1)));
        setInfoValue(valueKey(i), getInfoValue(valueKey(i + 1)));
    }
    setInfoValue(nameKey(remaining + 1), QString());
    setInfoValue(valueKey(remaining + 1), QString());
}

qint16 Settings::toInt16Value(const QString& text)
{
    return NumberText::toInt16(leadingNumber(text)).value_or(0);
}

qint32 Settings::toInt32Value(const QString& text)
{
    return NumberText::toInt32(leadingNumber(text)).value_or(0);
}

Settings::StoredConstants Settings::storedConstants() const
{
    // An empty value reads as an absent key: neither stores anything.
    const auto filled = [](std::map<qint64, QString> values) {
        for (auto it = values.begin(); it != values.end();)
            it = it->second.isEmpty() ? values.erase(it) : std::next(it);
        return values;
    };
    const QList<ProfileEntry> entries = file_.entries(InfoSection);
    return {filled(numberedValues(entries, QStringLiteral("ConstName"))),
            filled(numberedValues(entries, QStringLiteral("ConstValue")))};
}

qint64 Settings::lastStoredPosition() const
{
    const auto [names, values] = storedConstants();
    const qint64 lastName = names.empty() ? 0 : names.rbegin()->first;
    const qint64 lastValue = values.empty() ? 0 : values.rbegin()->first;
    return std::max(lastName, lastValue);
}

std::optional<QList<NamedValue>> Settings::savedConstants() const
{
    const qint32 count = toInt32Value(getInfoValue(AllConstKey));
    if (count == 0) return std::nullopt;
    const auto [names, values] = storedConstants();
    // Every position from 1 to the count that has a name or a value.
    std::set<qint64> positions;
    for (const auto* stored : {&names, &values})
        for (auto it = stored->lower_bound(1); it != stored->end() && it->first <= count; ++it)
            positions.insert(it->first);
    const auto valueAt = [](const std::map<qint64, QString>& stored, qint64 position) {
        const auto it = stored.find(position);
        return it == stored.end() ? QString() : it->second;
    };
    QList<NamedValue> constants;
    for (const qint64 position : positions)
        constants.append({valueAt(names, position), valueAt(values, position)});
    return constants;
}

void Settings::write(const QString& section, const QString& key, const QString& value) const
{
    // The per-user settings folder may not exist yet on a first run.
    const QFileInfo info(file_.path());
    if (!info.dir().exists()) QDir().mkpath(info.absolutePath());
    if (!file_.write(section, key, value) && onWriteFailure_) onWriteFailure_(file_.path());
}

} // namespace orvane
