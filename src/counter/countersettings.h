// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <chrono>
#include <optional>

namespace freqcounter {

// The unit a counter gives its readings in, as the power of ten that takes
// it to MHz, the display's unit.
enum class CounterUnit { Hz = -6, kHz = -3, MHz = 0 };

std::optional<CounterUnit> parseCounterUnit(QStringView text);
QString counterUnitName(CounterUnit unit);

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
