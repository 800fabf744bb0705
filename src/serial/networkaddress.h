// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace freqcounter {

// A counter on the network, named where a device would be:
// tcp://HOST:PORT, such as tcp://192.168.1.20:5025, tcp://counter.lab:4001
// or tcp://[::1]:5025.
struct NetworkAddress
{
    QString host;
    quint16 port = 0;

    // Whether a device's name is meant as an address, well formed or not.
    static bool isAddress(QStringView device);
    // Nothing when it is no well-formed address.
    static std::optional<NetworkAddress> parse(QStringView device);
};

} // namespace freqcounter
