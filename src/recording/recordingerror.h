// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numberederror.h"

#include <QString>

namespace freqcounter {

// The stable numbers of the errors a recording file raises, in the runtime's
// own numbering of file errors.
enum class RecordingErrorCode : int {
    DeviceIoError = 57,
    DiskFull = 61,
    PermissionDenied = 70,
    FileAccessError = 75,
};

// A recording file that could not be opened or written; its description
// names the file and the cause.
using RecordingError = NumberedErrorOf<RecordingErrorCode>;

} // namespace freqcounter
