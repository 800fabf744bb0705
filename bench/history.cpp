// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The history chart's redraw and the history window's refresh with a
// million readings, the recordings the recording group reads, and what a
// recorder's syncs cost.
#include "inprocess.h"

#include "csvrecorder.h"
#include "historychart.h"
#include "historywindow.h"

#include <QComboBox>
#include <QImage>
#include <QTimeZone>

namespace freqcounter::bench {

// A million readings: a random walk around 145 MHz, ten a second, with
// gaps: a reading missed every 97, an error code every 1009. As phases, a
// time-interval counter's random walk around 200 ns, in ns.
void addReadings(ReadingHistory &history, qsizetype count, std::mt19937 &random, bool phases)
{
    static const QDateTime start = QDateTime::currentDateTime().addSecs(-200'000);
    static double mhz = 145.0;
    static double ns = 200.0;
    static qint64 slot = 0;
    std::normal_distribution<double> step(0.0, 2e-6);
    for (qsizetype i = 0; i < count; ++i) {
        (phases ? ns : mhz) += step(random);
        if (++slot % 97 == 0)
            ++slot;
        ReceivedReading reading{1, QStringLiteral("/dev/ttyUSB0"), start.addMSecs(slot * 100),
                                QString::number(phases ? ns : mhz, 'f', phases ? 6 : 7)};
        if (slot % 1009 == 0)
            reading.text = QStringLiteral("ERR 3");
        else if (phases)
            reading.unit = QStringLiteral("ns");
        history.add(reading);
    }
}

// Milliseconds to draw the history chart, at its usual size, holding a
// million readings, the whole history in view.
QList<double> chartRedraws(int runs, std::mt19937 &random)
{
    ReadingHistory history;
    addReadings(history, ReadingHistory::kCapacity, random);
    HistoryChart chart(history);
    chart.setSpan(std::chrono::milliseconds(0));
    chart.resize(chart.sizeHint());
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto started = Clock::now();
        chart.render(&image);
        times.append(msBetween(started, Clock::now()));
    }
    return times;
}

// Milliseconds for one refresh of the history window while readings come
// in: the figures, the sigma-tau plot and the chart of a million readings,
// the whole history in view, with the few readings of a refresh interval
// added before each (the oldest dropping out as they come).
QList<double> historyRefreshes(int runs, std::mt19937 &random, bool phases)
{
    Runtime runtime(std::make_unique<FailingReporter>());
    ReadingHistory history;
    addReadings(history, ReadingHistory::kCapacity, random, phases);
    HistoryWindow window(history, runtime);
    window.findChild<QComboBox *>(QStringLiteral("span"))->setCurrentIndex(3); // everything
    window.resize(window.sizeHint());
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    window.render(&image);
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        addReadings(history, 3, random, phases);
        const auto started = Clock::now();
        window.refresh();
        window.render(&image);
        times.append(msBetween(started, Clock::now()));
    }
    return times;
}

// A recording as the program writes it: readings `stepMs` apart, a random
// walk around 10 MHz.
void writeRecording(const QString &path, int rows, int stepMs)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail("cannot write the recording");
    std::mt19937 random(20261208);
    std::normal_distribution<double> step(0, 1e-7);
    double mhz = 10;
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(1'765'000'000'000, QTimeZone::utc());
    QByteArray text = "time,port,device,reading\r\n";
    qint64 second = -1;
    QByteArray stamp;
    for (int i = 0; i < rows; ++i) {
        mhz += step(random);
        const qint64 ms = qint64(i) * stepMs;
        if (ms / 1000 != second) {
            second = ms / 1000;
            stamp = start.addSecs(second)
                            .toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"))
                            .toLatin1();
        }
        text += stamp + '.' + QByteArray::number(1000 + ms % 1000).sliced(1)
                + "+00:00,1,/dev/ttyUSB0," + QByteArray::number(mhz, 'f', 7) + "\r\n";
        if (text.size() > (1 << 20)) {
            file.write(text);
            text.clear();
        }
    }
    file.write(text);
}

// What a recorder's syncs cost on the disk of `directory`, `runs` times: in
// milliseconds, one sync() after 1000 lines written once a second's way
// (the logger's); and for contrast, in microseconds, a line appended when
// every line is synced (the window's), over 1000 lines.
std::pair<QList<double>, QList<double>> syncTimes(const QString &directory, int runs)
{
    const QDateTime start = QDateTime::currentDateTime();
    qint64 made = 0;
    const auto next = [&] {
        ++made;
        return ReceivedReading{1, QStringLiteral("/dev/ttyUSB0"), start.addMSecs(made),
                               QString::number(145 + double(made) * 1e-7, 'f', 7)};
    };
    CsvRecorder onceASecond(directory + QStringLiteral("/once-a-second.csv"), false,
                            SyncCadence::OnceASecond);
    CsvRecorder everyLine(directory + QStringLiteral("/every-line.csv"));
    QList<double> syncs;
    QList<double> lines;
    for (int run = 0; run < runs; ++run) {
        for (int i = 0; i < 1000; ++i)
            onceASecond.append(next());
        Clock::time_point started = Clock::now();
        onceASecond.sync();
        syncs.append(msBetween(started, Clock::now()));
        started = Clock::now();
        for (int i = 0; i < 1000; ++i)
            everyLine.append(next());
        // Milliseconds for 1000 lines are microseconds a line.
        lines.append(msBetween(started, Clock::now()));
    }
    QFile::remove(onceASecond.path());
    QFile::remove(everyLine.path());
    return {syncs, lines};
}

} // namespace freqcounter::bench
