// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "portsettings.h"

#include "keptsettings.h"

namespace freqcounter {

namespace {

// A device's group in the settings: its name, with the slashes a key would
// take for groups escaped.
QString groupFor(const QString &device)
{
    QString key = device;
    key.replace(u'%', QStringLiteral("%25")).replace(u'/', QStringLiteral("%2F"));
    return QStringLiteral("ports/") + key;
}

} // namespace

PortSettings PortSettings::keptFor(const QString &device)
{
    PortSettings kept;
    if (device.isEmpty())
        return kept;
    QSettings stored = keptSettings();
    stored.beginGroup(groupFor(device));
    kept.line = LineSettings::parse(stored.value(QStringLiteral("line")).toString())
                        .value_or(LineSettings());
    CounterSettings &counter = kept.counter;
    counter.setup = stored.value(QStringLiteral("setup")).toString();
    counter.query = stored.value(QStringLiteral("query")).toString();
    counter.unit = parseCounterUnit(stored.value(QStringLiteral("unit")).toString())
                           .value_or(CounterUnit::MHz);
    const qint64 answerMs = stored.value(QStringLiteral("answerTimeMs")).toLongLong();
    if (answerMs > 0)
        counter.answerTime = std::chrono::milliseconds(answerMs);
    return kept;
}

void PortSettings::keepFor(const QString &device) const
{
    if (device.isEmpty())
        return;
    QSettings stored = keptSettings();
    stored.beginGroup(groupFor(device));
    stored.setValue(QStringLiteral("line"), line.text());
    stored.setValue(QStringLiteral("setup"), counter.setup);
    stored.setValue(QStringLiteral("query"), counter.query);
    stored.setValue(QStringLiteral("unit"), counterUnitName(counter.unit));
    stored.setValue(QStringLiteral("answerTimeMs"), qint64(counter.answerTime.count()));
}

PortSettings PortOverrides::over(PortSettings kept) const
{
    kept.line = line.value_or(kept.line);
    kept.counter.setup = setup.value_or(kept.counter.setup);
    kept.counter.query = query.value_or(kept.counter.query);
    kept.counter.unit = unit.value_or(kept.counter.unit);
    kept.counter.answerTime = answerTime.value_or(kept.counter.answerTime);
    return kept;
}

PortOverrides PortOverrides::all(const PortSettings &settings)
{
    const CounterSettings &counter = settings.counter;
    return {settings.line, counter.setup, counter.query, counter.unit, counter.answerTime};
}

} // namespace freqcounter
