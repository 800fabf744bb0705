// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "countersettings.h"
#include "linesettings.h"

#include <QString>

#include <chrono>
#include <optional>

namespace freqcounter {

// How a port's line speaks and what its counter needs. Kept per device, as
// a user gave them.
struct PortSettings
{
    LineSettings line{};
    CounterSettings counter{};

    // What was kept for a device, or the counter's own: 1200/8n1, talking by
    // itself, in MHz.
    static PortSettings keptFor(const QString &device);
    void keepFor(const QString &device) const;

    bool operator==(const PortSettings &) const = default;
};

// What the command line says of a port for one run, over what is kept.
struct PortOverrides
{
    std::optional<LineSettings> line{};
    std::optional<QString> setup{};
    std::optional<QString> query{};
    std::optional<CounterUnit> unit{};
    std::optional<std::chrono::milliseconds> answerTime{};

    PortSettings over(PortSettings kept) const;
    static PortOverrides all(const PortSettings &settings);
};

} // namespace freqcounter
