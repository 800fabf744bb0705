// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stabilitytable.h"

#include "csvrecorder.h"
#include "stabilityconfidence.h"

#include <QLocale>

namespace freqcounter {

namespace {

constexpr char kHeader[] = "statistic,tau,terms,deviation,low,high,noise,edf\r\n";

// The figures' rows, each after the lead.
QByteArray rows(const Statistics &figures, const QByteArray &lead)
{
    const QLocale c = QLocale::c();
    QByteArray table;
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
            table += lead + row.join(u',').toUtf8() + "\r\n";
        }
    }
    // The drift a day, as fractional frequency and in hertz, with its 68 %
    // interval; named for what it is when the deviations have it taken out.
    // The noise and degrees of freedom are those its uncertainty is for.
    if (figures.drift) {
        const Statistics::Drift &d = *figures.drift;
        const QString removed = figures.driftRemoved ? QStringLiteral("removed ") : QString();
        const auto row = [&](const QString &name, double value, double uncertainty) {
            const QStringList cells{name,
                                    QStringLiteral("86400"),
                                    QString(),
                                    c.toString(value, 'e', 6),
                                    c.toString(value - uncertainty, 'e', 6),
                                    c.toString(value + uncertainty, 'e', 6),
                                    QString::fromLatin1(StabilityConfidence::noiseId(d.noise)),
                                    QString()};
            table += lead + cells.join(u',').toUtf8() + "\r\n";
        };
        row(removed + QStringLiteral("drift"), d.perDay, d.perDayUncertainty);
        // Time intervals' frequencies are fractional only.
        if (!figures.phase)
            row(removed + QStringLiteral("drift Hz"), d.hzPerDay, d.hzPerDayUncertainty);
    }
    if (figures.ageing) {
        const QStringList cells{QStringLiteral("ageing"),
                                QStringLiteral("86400"),
                                QString(),
                                c.toString(figures.ageing->perDayAtEnd, 'e', 6),
                                QString(),
                                QString(),
                                QString(),
                                QString()};
        table += lead + cells.join(u',').toUtf8() + "\r\n";
    }
    return table;
}

} // namespace

QByteArray stabilityTable(const Statistics &figures)
{
    return kHeader + rows(figures, {});
}

QByteArray stabilityTable(const QList<NamedFigures> &recordings)
{
    QByteArray table = QByteArray("recording,") + kHeader;
    for (const NamedFigures &recording : recordings)
        table += rows(recording.figures, CsvRecorder::field(recording.recording) + ',');
    return table;
}

} // namespace freqcounter
