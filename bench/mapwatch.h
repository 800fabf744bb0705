// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

#include <chrono>
#include <optional>

struct xcb_connection_t;

namespace freqcounter::bench {

// Watches an X display for the first top-level window of a given size to be
// mapped: how the benchmark tells that a started program's window is up.
class MapWatch
{
public:
    explicit MapWatch(const QByteArray &display);
    ~MapWatch();
    MapWatch(const MapWatch &) = delete;
    MapWatch &operator=(const MapWatch &) = delete;

    bool isValid() const { return m_connection != nullptr; }

    // When a window of that size (of any, for an invalid size) was mapped,
    // or nothing within the timeout.
    std::optional<std::chrono::steady_clock::time_point>
    waitForMap(QSize size, std::chrono::milliseconds timeout);

private:
    xcb_connection_t *m_connection = nullptr;
};

} // namespace freqcounter::bench
