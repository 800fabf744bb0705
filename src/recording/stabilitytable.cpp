// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stabilitytable.h"

#include "stabilityconfidence.h"

#include <QLocale>

namespace freqcounter {

QByteArray stabilityTable(const Statistics &figures)
{
    const QLocale c = QLocale::c();
    QByteArray table = "statistic,tau,terms,deviation,low,high,noise,edf\r\n";
    const std::pair<const char *, const QList<Statistics::Deviation> *> statistics[] = {
            {"adev", &figures.allan},
            {"oadev", &figures.overlappingAllan},
            {"mdev", &figures.modifiedAllan},
            {"ohdev", &figures.overlappingHadamard},
            {"tdev", &figures.timeDeviation},
            {"totdev", &figures.totalDeviation},
            {"mtotdev", &figures.modifiedTotal},
            {"theobr", &figures.theoBR},
    };
    for (const auto &[name, deviations] : statistics) {
        for (const Statistics::Deviation &d : *deviations) {
            const QStringList row{QString::fromLatin1(name),
                                  c.toString(d.tauSeconds, 'g', 6),
                                  QString::number(d.terms),
                                  c.toString(d.value, 'e', 6),
                                  c.toString(d.low, 'e', 6),
                                  c.toString(d.high, 'e', 6),
                                  QString::fromLatin1(StabilityConfidence::noiseId(d.noise)),
                                  c.toString(d.edf, 'f', 1)};
            table += row.join(u',').toUtf8() + "\r\n";
        }
    }
    return table;
}

} // namespace freqcounter
