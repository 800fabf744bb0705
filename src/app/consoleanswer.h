// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the command line's answers go: standard output or standard error.
// A Windows program that has windows gets no console of its own, so there
// they go to the console it was started from, or, started without one (from
// a shortcut or Explorer), to a message box; a program with no window
// (the logger, started by the Task Scheduler) has no box either, and what it
// says then goes nowhere.
namespace freqcounter::ConsoleAnswer {

enum class Stream { Output, Error };

void write(const QString &text, Stream stream);

// From now on, no message box: for a program that shows no window.
void withoutBoxes();

} // namespace freqcounter::ConsoleAnswer
