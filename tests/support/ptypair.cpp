// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ptypair.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

namespace freqcounter::test {

PtyPair::PtyPair()
{
    termios raw{};
    ::cfmakeraw(&raw);
    raw.c_cflag |= CLOCAL | CREAD;
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, &raw, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    // A program started meanwhile must not inherit the instrument's end, or
    // closing it here would not hang the line up.
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    // openpty applies the modes to the device end; the master end is raw too.
    termios master{};
    if (::tcgetattr(m_master, &master) == 0) {
        ::cfmakeraw(&master);
        ::tcsetattr(m_master, TCSANOW, &master);
    }
    m_path = QString::fromLocal8Bit(name);
}

PtyPair::~PtyPair()
{
    hangUp();
    if (m_slave >= 0)
        ::close(m_slave);
}

namespace {

int queuedAt(int fd)
{
    int queued = 0;
    return ::ioctl(fd, FIONREAD, &queued) == 0 ? queued : -1;
}

} // namespace

QByteArray PtyPair::received(int waitMs)
{
    QByteArray got;
    pollfd end{m_master, POLLIN, 0};
    int wait = waitMs;
    while (::poll(&end, 1, wait) > 0 && (end.revents & POLLIN) != 0) {
        char chunk[256];
        const ssize_t n = ::read(m_master, chunk, sizeof chunk);
        if (n <= 0)
            break;
        got.append(chunk, n);
        wait = 0;
    }
    return got;
}

bool PtyPair::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(m_master, bytes.constData() + done,
                                        static_cast<size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

bool PtyPair::send(const QByteArray &bytes)
{
    // The device end's queue holds at most this much in raw mode; anything
    // beyond waits in the kernel and is not counted.
    constexpr int kDeviceQueueLimit = 4095;
    const int queuedBefore = queuedAt(m_slave);
    if (!write(bytes))
        return false;
    const int expected
            = static_cast<int>(qMin<qint64>(queuedBefore + bytes.size(), kDeviceQueueLimit));
    QDeadlineTimer deadline(2000);
    while (queuedAt(m_slave) < expected) {
        if (deadline.hasExpired())
            return false;
        QThread::usleep(100);
    }
    return true;
}

void PtyPair::hangUp()
{
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}

qint64 residentKiB(qint64 pid, QByteArrayView field)
{
    QFile status(pid > 0 ? QStringLiteral("/proc/%1/status").arg(pid)
                         : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

int openDescriptorCount()
{
    return static_cast<int>(
            QDir(QStringLiteral("/proc/self/fd"))
                    .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                    .size());
}

qint64 processCpuMs()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000
            + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

} // namespace freqcounter::test
