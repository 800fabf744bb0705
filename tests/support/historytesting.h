// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "readinghistory.h"

#include <QDateTime>
#include <QStringList>

namespace freqcounter::test {

// The start of the readings the tests make.
inline const QDateTime kStart = QDateTime::fromMSecsSinceEpoch(1'765'000'000'000);

// Readings one per interval from kStart, as texts.
inline ReadingHistory historyOf(const QStringList &texts, double intervalSeconds = 1.0)
{
    ReadingHistory history;
    for (qsizetype i = 0; i < texts.size(); ++i)
        history.add({1, QStringLiteral("/dev/ttyUSB0"),
                     kStart.addMSecs(qint64(double(i) * intervalSeconds * 1000)), texts.at(i)});
    return history;
}

} // namespace freqcounter::test
