#pragma once

#include "portdevices.h"

namespace freqcounter {

// Program start and end: loads the window, runs its start-up handler before
// anything is shown, shows it and runs the event loop until the window is
// closed or an error ends the program. Returns the exit status. The
// devices say which device each port stands for.
int runProgram(const PortDevices &devices);

} // namespace freqcounter
