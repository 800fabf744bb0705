// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "portsettings.h"

#include <QSettings>

namespace freqcounter {

namespace {

QSettings settings()
{
    return QSettings(QStringLiteral("freqcounter"), QStringLiteral("freqcounter"));
}

// A device's group in the settings: its name, with the slashes a key would
// take for groups escaped.
QString groupFor(const QString &device)
{
    QString key = device;
    key.replace(u'%', QStringLiteral("%25")).replace(u'/', QStringLiteral("%2F"));
    return QStringLiteral("ports/") + key;
}

} // namespace

std::optional<CounterUnit> parseCounterUnit(QStringView text)
{
    const QStringView unit = text.trimmed();
    for (const CounterUnit known : {CounterUnit::Hz, CounterUnit::kHz, CounterUnit::MHz}) {
        if (unit.compare(counterUnitName(known), Qt::CaseInsensitive) == 0)
            return known;
    }
    return std::nullopt;
}

QString counterUnitName(CounterUnit unit)
{
    switch (unit) {
    case CounterUnit::Hz:
        return QStringLiteral("Hz");
    case CounterUnit::kHz:
        return QStringLiteral("kHz");
    case CounterUnit::MHz:
        break;
    }
    return QStringLiteral("MHz");
}

QByteArray PortSettings::bytesOf(const QString &written)
{
    QByteArray bytes = written.toLatin1();
    bytes.replace("\\r", "\r").replace("\\n", "\n");
    return bytes + '\n';
}

PortSettings PortSettings::keptFor(const QString &device)
{
    PortSettings kept;
    if (device.isEmpty())
        return kept;
    QSettings stored = settings();
    stored.beginGroup(groupFor(device));
    kept.line = LineSettings::parse(stored.value(QStringLiteral("line")).toString())
                        .value_or(LineSettings());
    kept.setup = stored.value(QStringLiteral("setup")).toString();
    kept.query = stored.value(QStringLiteral("query")).toString();
    kept.unit = parseCounterUnit(stored.value(QStringLiteral("unit")).toString())
                        .value_or(CounterUnit::MHz);
    const qint64 answerMs = stored.value(QStringLiteral("answerTimeMs")).toLongLong();
    if (answerMs > 0)
        kept.answerTime = std::chrono::milliseconds(answerMs);
    return kept;
}

void PortSettings::keepFor(const QString &device) const
{
    if (device.isEmpty())
        return;
    QSettings stored = settings();
    stored.beginGroup(groupFor(device));
    stored.setValue(QStringLiteral("line"), line.text());
    stored.setValue(QStringLiteral("setup"), setup);
    stored.setValue(QStringLiteral("query"), query);
    stored.setValue(QStringLiteral("unit"), counterUnitName(unit));
    stored.setValue(QStringLiteral("answerTimeMs"), qint64(answerTime.count()));
}

PortSettings PortOverrides::over(PortSettings kept) const
{
    kept.line = line.value_or(kept.line);
    kept.setup = setup.value_or(kept.setup);
    kept.query = query.value_or(kept.query);
    kept.unit = unit.value_or(kept.unit);
    kept.answerTime = answerTime.value_or(kept.answerTime);
    return kept;
}

PortOverrides PortOverrides::all(const PortSettings &settings)
{
    return {settings.line, settings.setup, settings.query, settings.unit, settings.answerTime};
}

} // namespace freqcounter
