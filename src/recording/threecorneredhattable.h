// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics.h"

#include <QByteArray>

namespace freqcounter {

// The three-cornered hat of the figures of three pairs, A−B, B−C and C−A,
// as CSV: a header statistic,tau,oscillator,deviation,low,high,limit and a
// row for each oscillator A, B and C at each τ the three share, of oadev,
// mdev and tdev (in seconds); low and high are the bounds. limit is empty
// for a deviation, "upper" for an upper limit (only high, the limit, given)
// and "none" where nothing can be told. Numbers as the stability table
// writes them.
QByteArray threeCorneredHatTable(const Statistics &ab, const Statistics &bc, const Statistics &ca);

} // namespace freqcounter
