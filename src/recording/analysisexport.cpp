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
    QByteArray text = "# "
            + QByteArray(WindowDefinition::kTitle.data(), WindowDefinition::kTitle.size())
            + " readings, one frequency in Hz a line\n";
    if (from < to) {
        const Instrument &instrument = history.instrumentOf(from);
        text += "# port: "
                + WindowDefinition::instrumentName(instrument.port, instrument.device).toUtf8()
                + '\n';
        text += "# first reading: "
                + CsvRecorder::timestamp(QDateTime::fromMSecsSinceEpoch(history.at(from).msecs))
                          .toUtf8()
                + '\n';
    }
    if (figures.tau0Seconds) {
        text += "# tau0: " + c.toString(*figures.tau0Seconds, 'g', 6).toUtf8() + " s\n";
        // The lines run on across a gap; a tool that reads them as one series
        // spans it.
        text += "# gaps: " + QByteArray::number(figures.gaps)
                + " (pauses of more than 2 tau0, or readings that are no number)\n";
    }
    if (figures.meanMHz)
        text += "# mean frequency: " + c.toString(*figures.meanMHz * 1e6, 'f', 3).toUtf8()
                + " Hz\n";
    if (nominalHz)
        text += "# nominal: " + c.toString(*nominalHz, 'f', 3).toUtf8() + " Hz\n";
    for (qsizetype i = from; i < to; ++i) {
        const double mhz = history.at(i).mhz;
        // Fifteen digits give back every digit a counter sends, without the
        // binary fraction's noise beyond them.
        if (!std::isnan(mhz))
            text += c.toString(mhz * 1e6, 'g', 15).toLatin1() + '\n';
    }
    return text;
}

} // namespace freqcounter
