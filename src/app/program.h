#pragma once

#include "portdevices.h"

#include <QString>

namespace freqcounter {

// Program start and end: loads the window, runs its start-up handler before
// anything is shown, shows it and runs the event loop until the window is
// closed or an error ends the program. Returns the exit status. The
// devices say which device each port stands for.
// When a record path is given, every reading shown is recorded to it from
// the start.
int runProgram(const PortDevices &devices, const QString &recordPath);

} // namespace freqcounter
