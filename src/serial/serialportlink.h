// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link.h"

#include <QSerialPort>

namespace freqcounter {

// A serial port as the line's device. It opens the port with the line's
// settings, counts what the driver holds beyond what Qt has fetched, marks a
// character received with a parity or framing error, and tells the port's
// faults as the line's numbered errors.
class SerialPortLink : public Link
{
    Q_OBJECT

public:
    explicit SerialPortLink(QObject *parent = nullptr);

    void open(const QString &device, const LineSettings &line, bool sends,
              const Naming &naming) override;
    QIODevice &device() override { return *m_port; }
    bool isEstablished() const override { return m_port->isOpen(); }
    qint64 queued() override;
    QString read(qint64 most) override;
    QString decode(const QByteArray &bytes) override;

private:
    // Between reads QSerialPort fetches no more than this on its own: it then
    // stops watching the device, instead of waking the program for every
    // character that arrives. Reads take the rest straight from the device.
    static constexpr qint64 kFetchAhead = 1;
    // The longest a read waits for characters the driver has already counted.
    static constexpr int kPullLimitMs = 50;

    void markErrors();
    void pullFromSystem(qint64 wanted);
    void onPortError(QSerialPort::SerialPortError error);
    [[noreturn]] void raiseOpenFailure(const QString &device, const LineSettings &line,
                                       const Naming &naming);

    QSerialPort *m_port = nullptr;
    QString m_label;
    bool m_inOwnCall = false;
    bool m_failed = false;
    // What marks a character received in error: on Linux the driver's
    // 0xFF 0x00 before it (and 0xFF 0xFF for 0xFF itself); on Windows the
    // byte it puts in its place.
    bool m_marked = false;
    QByteArray m_markBegun; // a mark split across reads
};

} // namespace freqcounter
