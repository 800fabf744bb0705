// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

namespace freqcounter {

// What the user chose, kept between runs: in the system's own place (the
// registry on Windows, ~/.config/freqcounter on Linux) in the format
// QSettings takes by default, which a test may move to a folder of its own.
QSettings keptSettings();

} // namespace freqcounter
