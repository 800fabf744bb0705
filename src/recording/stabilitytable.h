// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics.h"

#include <QByteArray>

namespace freqcounter {

// The stability figures as CSV, for scripts and for the record: a header
// statistic,tau,terms,deviation,low,high,noise,edf and a row for each
// deviation at each τ: adev, oadev, mdev, ohdev (overlapping Hadamard) and
// tdev (in seconds); low and high are the 68.3 % bounds.
QByteArray stabilityTable(const Statistics &figures);

} // namespace freqcounter
