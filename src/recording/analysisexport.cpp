// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysisexport.h"

#include "csvrecorder.h"
#include "windowdefinition.h"

#include <QDateTime>
#include <QLocale>

#include <cmath>

namespace freqcounter {

QByteArray analysisText(const ReadingHistory &history, qsizetype from, qsizetype to,
                        const Statistics &figures, std::optional<double> nominalHz)
{
    const QLocale c = QLocale::c();
    // A time-interval counter's readings are phases, as the tools take them
    // too.
    const bool phase = from < to && history.instrumentOf(from).phase;
    QByteArray text = "# "
            + QByteArray(WindowDefinition::kTitle.data(), WindowDefinition::kTitle.size())
            + (phase ? QByteArray(kPhaseLines)
                     : QByteArray(" readings, one frequency in Hz a line"))
            + '\n';
    if (from < to) {
        const Instrument &instrument = history.instrumentOf(from);
        text += "# port: "
                + WindowDefinition::instrumentName(instrument.port, instrument.device).toUtf8()
                + '\n';
        if (!instrument.math.isEmpty()) {
            text += "# counter math: " + instrument.math.toUtf8()
                    + " (the frequencies shown, not the counter's readings)\n";
        }
        text += "# first reading: "
                + CsvRecorder::timestamp(QDateTime::fromMSecsSinceEpoch(history.at(from).msecs))
                          .toUtf8()
                + '\n';
    }
    if (figures.tau0Seconds) {
        text += "# tau0: " + c.toString(*figures.tau0Seconds, 'g', 6).toUtf8() + " s\n";
        text += "# gaps: " + QByteArray::number(figures.gaps)
                + " (each empty slot of tau0, a missed reading or one that is no number, is a"
                  " line of 0)\n";
    }
    if (figures.meanMHz)
        text += "# mean frequency: " + c.toString(*figures.meanMHz * 1e6, 'f', 3).toUtf8()
                + " Hz\n";
    if (nominalHz)
        text += "# nominal: " + c.toString(*nominalHz, 'f', 3).toUtf8() + " Hz\n";
    // A line a slot of tau0, as the figures take them: a pause takes the
    // nearest whole number of slots, one at least. Without an interval there
    // are no slots, and only the numbers are written.
    const qint64 tau0 = figures.tau0Seconds ? std::llround(*figures.tau0Seconds * 1000) : 0;
    for (qsizetype i = from; i < to; ++i) {
        if (i > from && tau0 > 0) {
            const qint64 pause = history.at(i).msecs - history.at(i - 1).msecs;
            for (qint64 empty = std::llround(double(pause) / double(tau0)) - 1; empty > 0; --empty)
                text += "0\n";
        }
        const double mhz = history.at(i).mhz;
        // Fifteen digits give back every digit a counter sends, without the
        // binary fraction's noise beyond them.
        if (!std::isnan(mhz))
            text += c.toString(phase ? mhz : mhz * 1e6, 'g', 15).toLatin1() + '\n';
        else if (tau0 > 0)
            text += "0\n";
    }
    return text;
}

} // namespace freqcounter
