// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countersettings.h"

namespace freqcounter {

std::optional<CounterUnit> parseCounterUnit(QStringView text)
{
    const QStringView unit = text.trimmed();
    for (const CounterUnit known : kCounterUnits) {
        // Units of time differ by the case of their prefix: ms is no Ms.
        const Qt::CaseSensitivity cs = isTimeUnit(known) ? Qt::CaseSensitive : Qt::CaseInsensitive;
        if (unit.compare(counterUnitName(known), cs) == 0)
            return known;
    }
    if (unit == u"\u00b5s" || unit == u"\u03bcs")
        return CounterUnit::us;
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
    case CounterUnit::s:
        return QStringLiteral("s");
    case CounterUnit::ms:
        return QStringLiteral("ms");
    case CounterUnit::us:
        return QStringLiteral("us");
    case CounterUnit::ns:
        return QStringLiteral("ns");
    case CounterUnit::ps:
        return QStringLiteral("ps");
    }
    return QStringLiteral("MHz");
}

bool isTimeUnit(CounterUnit unit)
{
    return unit != CounterUnit::Hz && unit != CounterUnit::kHz && unit != CounterUnit::MHz;
}

int unitPower(CounterUnit unit)
{
    switch (unit) {
    case CounterUnit::Hz:
    case CounterUnit::us:
        return -6;
    case CounterUnit::kHz:
    case CounterUnit::ms:
        return -3;
    case CounterUnit::MHz:
    case CounterUnit::s:
        return 0;
    case CounterUnit::ns:
        return -9;
    case CounterUnit::ps:
        return -12;
    }
    return 0;
}

QByteArray CounterSettings::bytesOf(const QString &written)
{
    QByteArray bytes = written.toLatin1();
    bytes.replace("\\r", "\r").replace("\\n", "\n");
    return bytes + '\n';
}

} // namespace freqcounter
