// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "chartscale.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace freqcounter::ChartScale {

namespace {

constexpr qint64 kDay = 86'400;

// A step in seconds that suits a clock: at most about six ticks.
qint64 timeStepSeconds(double spanSeconds)
{
    static constexpr std::array<qint64, 20> kSteps{1,     2,     5,     10,    15,     30,    60,
                                                   120,   300,   600,   900,   1800,   3600,  7200,
                                                   10800, 21600, 43200, 86400, 172800, 604800};
    for (const qint64 step : kSteps) {
        if (spanSeconds / double(step) <= 6.0)
            return step;
    }
    return kSteps.back();
}

// The median pause between readings [first, last), of an even sample of
// them; 0 for fewer than two.
qint64 medianInterval(const ReadingHistory &history, qsizetype first, qsizetype last)
{
    constexpr qsizetype kSamples = 2047;
    std::vector<qint64> pauses;
    const qsizetype stride = std::max<qsizetype>(1, (last - first - 1) / kSamples);
    for (qsizetype i = first + 1; i < last; i += stride)
        pauses.push_back(history.at(i).msecs - history.at(i - 1).msecs);
    if (pauses.empty())
        return 0;
    std::nth_element(pauses.begin(), pauses.begin() + std::ptrdiff_t(pauses.size() / 2),
                     pauses.end());
    return pauses[pauses.size() / 2];
}

} // namespace

Reduction reduce(const ReadingHistory &history, qsizetype first, qsizetype last, qint64 start,
                 qint64 end, int columns)
{
    Reduction r;
    columns = std::max(1, columns);
    r.columns.resize(std::size_t(columns));
    r.msPerColumn = double(std::max<qint64>(end - start, 1)) / double(std::max(1, columns - 1));
    const qint64 gapLimit = 2 * medianInterval(history, first, last);
    qint64 previous = -1; // the time of the last number; -1 after a gap
    for (qsizetype i = first; i < last; ++i) {
        const Sample &sample = history.at(i);
        if (sample.portChanged)
            r.switches.push_back({sample.msecs, sample.port});
        if (std::isnan(sample.mhz)) {
            previous = -1;
            continue;
        }
        const auto at = std::clamp<qsizetype>(
                qsizetype(double(sample.msecs - start) / r.msPerColumn), 0, columns - 1);
        Column &column = r.columns[std::size_t(at)];
        if (column.isEmpty() && i > first && (previous < 0 || sample.msecs - previous > gapLimit))
            column.gapBefore = true;
        column.add(sample.mhz);
        r.all.add(sample.mhz);
        previous = sample.msecs;
    }
    return r;
}

ValueTicks valueTicks(double low, double high)
{
    ValueTicks ticks;
    const double rough = (high - low) / 5.0;
    if (!(rough > 0))
        return ticks;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10.0 * power;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    }
    ticks.decimals = std::max(0, int(-std::floor(std::log10(step))));
    for (double v = std::ceil(low / step) * step; v <= high + step * 1e-9; v += step)
        ticks.values.append(v);
    return ticks;
}

QList<TimeTick> timeTicks(qint64 start, qint64 end)
{
    QList<TimeTick> ticks;
    if (end < start)
        return ticks;
    const qint64 step = timeStepSeconds(double(end - start) / 1000.0);
    const QDateTime first = QDateTime::fromMSecsSinceEpoch(start);
    const QDateTime last = QDateTime::fromMSecsSinceEpoch(end);
    const bool dated = first.date() != last.date();
    const QString format = step < 60 ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm");

    // Walk the local calendar, not the seconds since the epoch: each tick is
    // a round time of the local clock on its own date, found afresh.
    QDate date = first.date();
    QDate labelled;
    if (step >= kDay) {
        const qint64 days = step / kDay;
        for (; date <= last.date(); date = date.addDays(days)) {
            const QDateTime midnight = date.startOfDay();
            if (midnight.toMSecsSinceEpoch() >= start && midnight.toMSecsSinceEpoch() <= end)
                ticks.append({midnight.toMSecsSinceEpoch(), date.toString(Qt::ISODate)});
        }
        return ticks;
    }
    qint64 second = (first.time().msecsSinceStartOfDay() / 1000 + step - 1) / step * step;
    while (date <= last.date()) {
        for (; second < kDay; second += step) {
            const QTime wall = QTime::fromMSecsSinceStartOfDay(int(second * 1000));
            const qint64 msecs = QDateTime(date, wall).toMSecsSinceEpoch();
            const QDateTime at = QDateTime::fromMSecsSinceEpoch(msecs);
            // A time the clock skips when it goes forward is no tick.
            if (at.time() != wall)
                continue;
            if (msecs < start)
                continue;
            if (msecs > end)
                return ticks;
            QString label = at.toString(format);
            if (dated && labelled != date) {
                label += u'\n' + date.toString(Qt::ISODate);
                labelled = date;
            }
            ticks.append({msecs, label});
        }
        date = date.addDays(1);
        second = 0;
    }
    return ticks;
}

QString decadeLabel(double value)
{
    static constexpr std::array<char16_t, 10> kSuperscripts{
            u'\u2070', u'\u00B9', u'\u00B2', u'\u00B3', u'\u2074',
            u'\u2075', u'\u2076', u'\u2077', u'\u2078', u'\u2079'};
    const long exponent = std::lround(std::log10(value));
    QString label = QStringLiteral("10");
    if (exponent < 0)
        label += u'\u207B';
    const QString number = QString::number(std::labs(exponent));
    for (const QChar digit : number)
        label += QChar(kSuperscripts[std::size_t(digit.digitValue())]);
    return label;
}

} // namespace freqcounter::ChartScale
