// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The figures measured in this process: a real (offscreen) window on a
// pseudo-terminal, the history window with a million readings, and the
// recorder's syncs.

#include "benchsupport.h"
#include "readinghistory.h"

#include <QList>
#include <QString>

#include <random>
#include <utility>

namespace freqcounter::bench {

QList<double> displayLatencies(int readings, std::mt19937 &random);
QList<double> ptyHandOvers(int samples);
QList<double> portSwitches(int switches);
QList<double> queryLatencies(int readings);

void addReadings(ReadingHistory &history, qsizetype count, std::mt19937 &random,
                 bool phases = false);
QList<double> chartRedraws(int runs, std::mt19937 &random);
QList<double> historyRefreshes(int runs, std::mt19937 &random, bool phases = false);
void writeRecording(const QString &path, int rows, int stepMs = 1000);
std::pair<QList<double>, QList<double>> syncTimes(const QString &directory, int runs);

} // namespace freqcounter::bench
