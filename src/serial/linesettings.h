// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSerialPort>
#include <QString>
#include <QStringView>

#include <chrono>
#include <optional>

namespace freqcounter {

// How a serial line speaks: its speed, its character's format and its flow
// control, written as measurement tools on Linux write it:
// BAUD/FORMAT[/FLOW], such as 1200/8n1, 19200/7e2/rtscts or 4800/8n1/xonxoff.
// The counter this program began with talks at 1200/8n1.
struct LineSettings
{
    static constexpr qint32 kSlowest = 50;
    static constexpr qint32 kFastest = 4'000'000;

    qint32 baudRate = 1200;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    QSerialPort::FlowControl flowControl = QSerialPort::NoFlowControl;

    // Any speed from the slowest to the fastest: the standard ones from 300
    // to 115200, and the custom ones some adapters take. Nothing when the
    // text is none of the form.
    static std::optional<LineSettings> parse(QStringView text);
    // "9600/8n1", "19200/7e2/rtscts".
    QString text() const;
    // "9600 baud, 7 data bits, even parity, 2 stop bits, RTS/CTS".
    QString description() const;

    // How long one character takes on the line: its start bit, data bits,
    // parity bit and stop bits at the line speed (8.3 ms at 1200 baud, 8N1).
    std::chrono::microseconds characterTime() const
    {
        const double stop = stopBits == QSerialPort::OneAndHalfStop ? 1.5
                : stopBits == QSerialPort::TwoStop                  ? 2.0
                                                                    : 1.0;
        const double bits
                = 1.0 + double(dataBits) + (parity == QSerialPort::NoParity ? 0.0 : 1.0) + stop;
        return std::chrono::microseconds(qint64(bits * 1e6 / double(baudRate)));
    }

    bool operator==(const LineSettings &) const = default;
};

} // namespace freqcounter
