// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <chrono>
#include <optional>

namespace freqcounter {

// The unit a counter gives its readings in: of frequency, or of time for a
// time-interval counter, whose readings are the phase between two signals.
enum class CounterUnit { Hz, kHz, MHz, s, ms, us, ns, ps };

std::optional<CounterUnit> parseCounterUnit(QStringView text);
QString counterUnitName(CounterUnit unit);
// Every unit, frequencies first.
constexpr CounterUnit kCounterUnits[]
        = {CounterUnit::MHz, CounterUnit::kHz, CounterUnit::Hz, CounterUnit::s,
           CounterUnit::ms,  CounterUnit::us,  CounterUnit::ns, CounterUnit::ps};
bool isTimeUnit(CounterUnit unit);
// The power of ten that takes a reading in the unit to MHz, or for a unit of
// time to seconds.
int unitPower(CounterUnit unit);

// What a counter needs beside its line: a setup sent once after each
// opening, a query sent at each poll once the last answer is in (none for a
// counter that talks by itself), how long an answer may take, and the unit
// of its readings.
struct CounterSettings
{
    static constexpr std::chrono::milliseconds kDefaultAnswerTime{2000};

    QString setup{}; // as written: \r and \n stand for those characters
    QString query{};
    CounterUnit unit = CounterUnit::MHz;
    std::chrono::milliseconds answerTime = kDefaultAnswerTime;

    bool asks() const { return !query.isEmpty(); }
    // Whether anything is ever sent to the counter.
    bool sends() const { return asks() || !setup.isEmpty(); }
    // Setup and query as sent: with their escapes taken, a line feed after.
    QByteArray setupBytes() const { return bytesOf(setup); }
    QByteArray queryBytes() const { return bytesOf(query); }
    static QByteArray bytesOf(const QString &written);

    bool operator==(const CounterSettings &) const = default;
};

} // namespace freqcounter
