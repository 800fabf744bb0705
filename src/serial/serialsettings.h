// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSerialPort>
#include <QtGlobal>

#include <chrono>

namespace freqcounter {

// The serial line's stored settings: what the window definition fixes for
// the line before it is ever opened. At run time only the port number
// changes, and the line's speed and format where a user gives them.
struct SerialSettings
{
    qint16 commPort = 1;
    qint32 baudRate = 1200;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    QSerialPort::FlowControl flowControl = QSerialPort::NoFlowControl;
    qint64 inBufferSize = 1024;
    qint64 outBufferSize = 512;
    // Stands in for a character received with a parity error. With no
    // parity checked it never comes into play; it is kept so that the line
    // carries the whole stored definition.
    char parityReplace = '?';

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
};

} // namespace freqcounter
