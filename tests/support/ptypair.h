// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace freqcounter::test {

// A pseudo-terminal standing in for a serial port. The device path is what
// the program opens; the master end is the instrument's side of the cable.
// Both ends are put in raw mode before anything is written.
class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool isValid() const { return m_master >= 0; }
    QString devicePath() const { return m_path; }
    int deviceFd() const { return m_slave; }

    // Sends bytes as the instrument would and waits until the device end
    // holds them (a pseudo-terminal hands them over a moment later, as a
    // UART does); true when all were written and delivered.
    bool send(const QByteArray &bytes);

    // Writes bytes, blocking while the device end is full, and returns
    // without waiting for their delivery. Safe to call from another thread.
    bool write(const QByteArray &bytes);

    // What the program has sent the instrument since the last call, waiting
    // up to the time given for the first byte.
    QByteArray received(int waitMs = 0);

    // Closes the instrument's end: the device hangs up, as a USB adapter
    // does when it is unplugged.
    void hangUp();

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};

// Resident memory of a process (this one unless a pid is given), in KiB:
// now, or with "VmHWM:" its peak.
qint64 residentKiB(qint64 pid = 0, QByteArrayView field = "VmRSS:");

// Open file descriptors of this process.
int openDescriptorCount();

// CPU time this process has used, in milliseconds.
qint64 processCpuMs();

// Every byte value, 0x00 to 0xFF, in order.
inline QByteArray everyByteValue()
{
    QByteArray bytes;
    for (int value = 0; value < 256; ++value)
        bytes.append(static_cast<char>(value));
    return bytes;
}

} // namespace freqcounter::test
