// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "countersettings.h"

namespace freqcounter {

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

QByteArray CounterSettings::bytesOf(const QString &written)
{
    QByteArray bytes = written.toLatin1();
    bytes.replace("\\r", "\r").replace("\\n", "\n");
    return bytes + '\n';
}

} // namespace freqcounter
