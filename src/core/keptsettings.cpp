// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keptsettings.h"

namespace freqcounter {

QSettings keptSettings()
{
    return {QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("freqcounter"),
            QStringLiteral("freqcounter")};
}

} // namespace freqcounter
