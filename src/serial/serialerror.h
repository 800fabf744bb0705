// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numberederror.h"

#include <QString>

namespace freqcounter {

// The stable numbers of the errors the serial line raises. They are part of
// what users see (and what the README lists), so a number is never reused.
enum class SerialErrorCode : int {
    PortNotFound = 8001,
    InvalidPortNumber = 8002,
    PermissionDenied = 8003,
    PortAlreadyOpen = 8005,
    PortInUse = 8010,
    PortNotOpen = 8012,
    SetupFailed = 8015,
    DeviceLost = 8020,
};

// An error raised by an operation of the serial line; its description names
// the port and device.
using SerialError = NumberedErrorOf<SerialErrorCode>;

} // namespace freqcounter
