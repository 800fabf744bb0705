// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "comparison.h"
#include "countermath.h"
#include "logger.h"
#include "portdevices.h"
#include "readingserver.h"
#include "statistics.h"

#include <QString>
#include <QStringList>

#include <array>

namespace freqcounter {

class Form1;
class ReadingActions;

// The window hands the actions each reading; the actions hand the window
// what to say beside it.
void connectToWindow(Form1 &form, ReadingActions &actions);

// Program start and end: loads the window, runs its start-up handler before
// anything is shown, shows it and runs the event loop until the window is
// closed or an error ends the program. Returns the exit status. The
// devices say which device each port stands for.
// When a record path is given, every reading shown is recorded to it from
// the start. The comparison is what the readings are compared with at
// start, the math the counter math they are shown with at start.
// With a serve address, every reading is served there too; with reconnect,
// a lost line is waited for this run, whatever the menu kept.
struct WindowRun
{
    QString recordPath;
    Comparison comparison;
    CounterMath math;
    std::optional<ServeAddress> serve;
    bool reconnect = false;
};
int runProgram(const PortDevices &devices, const WindowRun &run = {});

// The counter read with no window until a termination signal, or a
// failure that waiting cannot mend, ends it; each change of state is told
// on standard error, a line each. Returns the exit status.
int runLogger(Logger::Setup setup);

// A recording looked at again, in a history window of its own: no port is
// opened and the main window is not shown. Returns the exit status; a file
// that cannot be read, or holds no readings, is said and ends it.
int viewRecording(const QString &path);

// The stability table of a recording's last instrument, as CSV on standard
// output; needs no display. Of several, one table with the recording each
// row is of in a first column: those that cannot be read are told of and
// fail the exit status, the others printed still. Returns the exit status.
int printStabilityTable(const QStringList &paths, const StatisticsOptions &options = {});

// The three-cornered hat of the recordings of three oscillators' pairs,
// A-B, B-C and C-A, as CSV on standard output (threeCorneredHatTable());
// warns when their spans differ. Needs no display. Returns the exit status.
int printThreeCorneredHat(const std::array<QString, 3> &paths,
                          const StatisticsOptions &options = {});

// The sigma-tau plot of a recording's last instrument, every estimator
// drawn, saved as a picture at out (SVG or PNG, by its extension) under a
// caption naming the recording, its span and its interval. Of several, every
// recording's curves on the one plot, each named in the legend by its
// recording and span, under a caption of each one's span. Needs the
// application made, but no display. Returns the exit status; what failed is
// said on standard error, and then no picture is written.
int plotRecording(const QString &out, const QStringList &paths,
                  const StatisticsOptions &options = {});

} // namespace freqcounter
