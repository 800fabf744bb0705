// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "threecorneredhattable.h"

#include "threecorneredhat.h"

#include <QLocale>

namespace freqcounter {

QByteArray threeCorneredHatTable(const Statistics &ab, const Statistics &bc, const Statistics &ca)
{
    using Deviations = QList<Statistics::Deviation> Statistics::*;
    using Told = ThreeCorneredHat::Oscillator::Told;
    const QLocale c = QLocale::c();
    QByteArray table = "statistic,tau,oscillator,deviation,low,high,limit\r\n";
    const std::pair<const char *, Deviations> statistics[] = {
            {"oadev", &Statistics::overlappingAllan},
            {"mdev", &Statistics::modifiedAllan},
            {"tdev", &Statistics::timeDeviation},
    };
    const auto number = [&c](double value) { return c.toString(value, 'e', 6); };
    for (const auto &[name, deviations] : statistics) {
        const QList<ThreeCorneredHat::Row> rows
                = ThreeCorneredHat::separate(ab.*deviations, bc.*deviations, ca.*deviations);
        for (const ThreeCorneredHat::Row &row : rows) {
            for (int i = 0; i < 3; ++i) {
                const ThreeCorneredHat::Oscillator &o = row.oscillators.at(std::size_t(i));
                const bool told = o.told == Told::Deviation;
                const QStringList cells{QString::fromLatin1(name),
                                        c.toString(row.tauSeconds, 'g', 6),
                                        QString(QChar(u'A' + i)),
                                        told ? number(o.deviation) : QString(),
                                        told ? number(o.low) : QString(),
                                        o.told == Told::Nothing ? QString() : number(o.high),
                                        told ? QString()
                                                : o.told == Told::UpperLimit
                                                ? QStringLiteral("upper")
                                                : QStringLiteral("none")};
                table += cells.join(u',').toUtf8() + "\r\n";
            }
        }
    }
    return table;
}

} // namespace freqcounter
