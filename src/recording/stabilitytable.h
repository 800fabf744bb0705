// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace freqcounter {

// The stability figures as CSV, for scripts and for the record: a header
// statistic,tau,terms,deviation,low,high,noise,edf and a row for each
// deviation at each τ: adev, oadev, mdev, ohdev (overlapping Hadamard), tdev
// (in seconds), totdev, mtotdev and theobr; low and high are the 68.3 %
// bounds. Then the drift a day (tau 86400): "drift" as fractional frequency
// and "drift Hz", low and high its 68 % interval, named "removed drift" and
// "removed drift Hz" when the deviations have it taken out ("drift Hz" only
// of frequencies, not of time intervals); and "ageing", the
// logarithmic model's ageing a day at the end, when it was fitted.
QByteArray stabilityTable(const Statistics &figures);

// Several recordings' figures in one table: the same columns after a first,
// recording, that names the file each row is of (quoted as CSV needs), each
// recording's rows in turn.
struct NamedFigures
{
    QString recording;
    Statistics figures;
};
QByteArray stabilityTable(const QList<NamedFigures> &recordings);

} // namespace freqcounter
