// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "linesettings.h"
#include "serialerror.h"

#include <QIODevice>
#include <QObject>
#include <QString>

#include <chrono>

namespace freqcounter {

// One way of reaching a counter, as the line's one device: how it opens,
// how its faults become the line's numbered errors, and what it alone knows
// of what it receives. The line reads, writes, counts and closes through
// the device itself.
class Link : public QObject
{
    Q_OBJECT

public:
    // What a fault says beside its cause: the port and device it concerns,
    // and what the user can do about a device or address that cannot be had.
    struct Naming
    {
        QString label; // "port 1 (/dev/ttyUSB0)"
        QString wayOut; // "name the device with --com1 or FREQCOUNTER_COM1"
    };

    using QObject::QObject;

    // Opens the device with the line's settings, for writing too when sends
    // is set. Raises a SerialError when it cannot even begin.
    virtual void open(const QString &device, const LineSettings &line, bool sends,
                      const Naming &naming)
            = 0;
    virtual QIODevice &device() = 0;
    // Whether its counter can be reached yet: a connection is made in the
    // background.
    virtual bool isEstablished() const = 0;

    // What the system holds beyond the device's own buffer. A fault it
    // finds is reported through failed().
    virtual qint64 queued() = 0;
    // Up to most characters of what was received, a character a byte, and
    // U+FFFD for one received in error.
    virtual QString read(qint64 most) = 0;
    // What was received, as read() gives it, of bytes the device held when
    // it failed.
    virtual QString decode(const QByteArray &bytes) { return QString::fromLatin1(bytes); }

    // How long one character takes on the line; none where the characters
    // of a reading do not keep a pace (the network).
    std::chrono::microseconds characterTime() const { return m_characterTime; }
    // Whether a line reaches the program in pieces with pauses between.
    bool inPieces() const { return m_inPieces; }

Q_SIGNALS:
    // What went wrong, once, while open: the line raises it at its next
    // operation, once what was received before it has been read.
    void failed(const freqcounter::SerialError &error);
    // The counter can now be reached.
    void established();

protected:
    std::chrono::microseconds m_characterTime{0};
    bool m_inPieces = false;
};

} // namespace freqcounter
