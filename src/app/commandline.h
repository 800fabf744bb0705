// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countermath.h"
#include "nominal.h"
#include "portdevices.h"
#include "readingserver.h"
#include "statistics.h"

#include <QString>
#include <QStringList>

#include <optional>

// The command line: --com1 and --com2 name the ports' devices, --line1 and
// --line2 how their lines speak, --scale and --offset the counter math for
// the run, --record
// names a file to record the readings to from the start, --view and
// --stability a recording to look at or to print the figures of, --plot
// a picture to draw a recording's sigma-tau plot into (both of several
// recordings, named after the first),
// --three-cornered-hat the recordings of three oscillators' pairs to part
// their deviations among them,
// --no-window reads the counter with no window (recording or serving it,
// riding through lost lines), --list-ports,
// --help and --version answer and end the program, Qt's own options
// (-platform, -style, ...) are Qt's, and anything else is a mistake. All of
// it is settled before Qt starts, so that every answer and every usage error
// comes without a display.
namespace freqcounter::CommandLine {

enum class Request {
    Run,
    Log,
    Help,
    Version,
    ListPorts,
    View,
    Stability,
    Plot,
    ThreeCorneredHat,
    Mistake
};

struct Parsed
{
    Request request = Request::Run;
    // For a mistake: what is wrong, in one line.
    QString mistake;
    // The ports' devices, with those named on the command line.
    PortDevices devices;
    // The ports whose device the command line names, in its order.
    QList<qint16> portsNamed;
    // The ports whose device kept from Line Settings is to be forgotten.
    QList<qint16> forget;
    // The file to record to from the start; empty for none.
    QString recordPath;
    // Where the readings are served to other windows, when given.
    std::optional<ServeAddress> serve;
    // A lost line is waited for and reopened, for this run.
    bool reconnect = false;
    // A recording to look at again, or to print the stability table of.
    QString viewPath;
    QString stabilityPath;
    // A picture to draw a recording's sigma-tau plot into, and the recording.
    QString plotPath;
    QString plotRecording;
    // The recordings after --stability's or --plot's first, compared with it.
    QStringList moreRecordings;
    // The recordings of the pairs A-B, B-C and C-A, for the three-cornered
    // hat; three when it is asked for.
    QStringList hatPaths;
    // What the figures of a recording take besides the rest: the drift taken
    // out of every deviation, the logarithmic ageing.
    StatisticsOptions figures;
    // What the readings are compared with, when given.
    std::optional<double> nominalHz;
    std::optional<Nominal::Tolerance> tolerance;
    // The counter math for this run, as given; checked.
    std::optional<QString> scale;
    std::optional<QString> offset;
    // What QApplication is given: the program's name and Qt's own options.
    QStringList qtArguments;
};

// The arguments, the program's name first. On Windows they are taken from
// the wide-character command line, so that no name outside the ANSI code
// page is mangled.
QStringList programArguments(int argc, char **argv);

// nominalKept: a nominal frequency is kept from an earlier run, so that
// --tolerance alone is no mistake.
Parsed parse(const QStringList &arguments, bool nominalKept = false);

// What QApplication left after taking its own options: the first of it, or
// an empty string when nothing is left.
QString leftover(const QStringList &arguments);

// The answer to --list-ports: the ports found, one a line, and which of them
// Com1 and Com2 take.
QString portListing(const PortDevices &devices, const QList<PortDescription> &found);

QString helpText();
QString versionText();
QString usageLine();

} // namespace freqcounter::CommandLine
