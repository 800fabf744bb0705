// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "serialportlink.h"

#include "counter.h"

#include <QFileInfo>
#include <QScopedValueRollback>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <QDeadlineTimer>
#include <windows.h>
#endif

namespace freqcounter {

namespace {

#ifdef Q_OS_UNIX
bool permissionDenied(const QString &device)
{
    const QByteArray path = device.toLocal8Bit();
    return ::access(path.constData(), R_OK) != 0 && (errno == EACCES || errno == EPERM);
}
#else
// What Windows puts in place of a byte received with a parity error: a
// counter's text never holds it.
constexpr char kErrorByte = '\xFF';
#endif

} // namespace

SerialPortLink::SerialPortLink(QObject *parent)
    : Link(parent)
    , m_port(new QSerialPort(this))
{
    connect(m_port, &QSerialPort::errorOccurred, this, &SerialPortLink::onPortError);
}

void SerialPortLink::open(const QString &device, const LineSettings &line, bool sends,
                          const Naming &naming)
{
    m_label = naming.label;
    m_failed = false;
    m_markBegun.clear();
    // Lock files are named after the device; a link (such as a name under
    // /dev/serial/by-id) must lock the same device other programs lock.
    const QString resolved = QFileInfo(device).canonicalFilePath();
    m_port->setPortName(resolved.isEmpty() ? device : resolved);
    m_port->setBaudRate(line.baudRate);
    m_port->setDataBits(line.dataBits);
    m_port->setParity(line.parity);
    m_port->setStopBits(line.stopBits);
    m_port->setFlowControl(line.flowControl);
    m_port->setReadBufferSize(kFetchAhead);
    m_characterTime = line.characterTime();
    m_inPieces = false;

    bool opened = false;
    {
        const QScopedValueRollback ownCall(m_inOwnCall, true);
        // Nothing is sent to a counter that talks by itself.
        opened = m_port->open(sends ? QIODevice::ReadWrite : QIODevice::ReadOnly);
    }
    if (!opened)
        raiseOpenFailure(device, line, naming);
    markErrors();
}

void SerialPortLink::markErrors()
{
    // Qt passes a character received with a parity or framing error on as
    // it came, a wrong digit: the driver is told to mark it instead.
    m_marked = false;
#if defined(Q_OS_UNIX)
    const int fd = static_cast<int>(m_port->handle());
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        return;
    tio.c_iflag |= INPCK | PARMRK;
    tio.c_iflag &= ~(IGNPAR | ISTRIP);
    m_marked = ::tcsetattr(fd, TCSANOW, &tio) == 0;
#elif defined(Q_OS_WIN)
    // Windows replaces a byte received with a parity error, when parity is
    // checked at all; framing errors pass unmarked.
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!::GetCommState(m_port->handle(), &dcb) || !dcb.fParity)
        return;
    dcb.fErrorChar = TRUE;
    dcb.ErrorChar = kErrorByte;
    m_marked = ::SetCommState(m_port->handle(), &dcb) != 0;
#endif
}

qint64 SerialPortLink::queued()
{
    // A device that hung up or was unplugged answers every request with an
    // error, whether or not the event loop has run since: asking how much it
    // holds is also asking whether it is still there.
#if defined(Q_OS_UNIX)
    int held = 0;
    if (::ioctl(static_cast<int>(m_port->handle()), FIONREAD, &held) != 0) {
        onPortError(QSerialPort::ResourceError);
        return 0;
    }
    return held;
#elif defined(Q_OS_WIN)
    COMSTAT status{};
    if (::ClearCommError(m_port->handle(), nullptr, &status) == 0) {
        onPortError(QSerialPort::ResourceError);
        return 0;
    }
    return status.cbInQue;
#else
    return 0;
#endif
}

QString SerialPortLink::read(qint64 most)
{
    // Counted before the buffer opens: on Windows, opening it starts a read
    // that moves the driver's characters out of its count.
    const qint64 wanted = qMin(m_port->bytesAvailable() + queued(), most);
    if (m_failed)
        return {};
    // Open the port's buffer to the most for this read only.
    m_port->setReadBufferSize(most);
    pullFromSystem(wanted);
    const QByteArray received = m_port->read(most);
    m_port->setReadBufferSize(kFetchAhead);
    return decode(received);
}

QString SerialPortLink::decode(const QByteArray &bytes)
{
    if (!m_marked)
        return QString::fromLatin1(bytes);
    QString text;
    text.reserve(bytes.size());
#if defined(Q_OS_UNIX)
    // 0xFF 0xFF is 0xFF; 0xFF 0x00 c is c received in error (and 0xFF 0x00
    // 0x00 a break).
    for (const char byte : bytes) {
        if (m_markBegun.isEmpty() && byte != '\xFF') {
            text.append(QLatin1Char(byte));
            continue;
        }
        m_markBegun.append(byte);
        if (m_markBegun == QByteArrayView("\xFF\xFF")) {
            text.append(QChar(0xFF));
            m_markBegun.clear();
        } else if (m_markBegun.size() == 3) {
            text.append(Counter::kReceivedInError);
            m_markBegun.clear();
        }
    }
#else
    for (const char byte : bytes)
        text.append(byte == kErrorByte ? Counter::kReceivedInError : QChar(QLatin1Char(byte)));
#endif
    return text;
}

void SerialPortLink::pullFromSystem(qint64 wanted)
{
    // QSerialPort fetches bytes only when the event loop lets it; a read must
    // also take what the device had received when it was counted.
    if (m_port->bytesAvailable() >= wanted)
        return;
    const QScopedValueRollback ownCall(m_inOwnCall, true);
#ifdef Q_OS_WIN
    // There the characters come through completions of reads QSerialPort
    // has started, and one that brings nothing may come first: wait, briefly,
    // until those counted are in.
    const QDeadlineTimer deadline(kPullLimitMs);
    while (m_port->bytesAvailable() < wanted && !deadline.hasExpired())
        m_port->waitForReadyRead(int(deadline.remainingTime()));
#else
    m_port->waitForReadyRead(0);
#endif
}

void SerialPortLink::onPortError(QSerialPort::SerialPortError error)
{
    if (m_inOwnCall || m_failed || !m_port->isOpen())
        return;
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return;
    // The first real error while open means the device is gone.
    m_failed = true;
    Q_EMIT failed(SerialError(SerialErrorCode::DeviceLost,
                              tr("Serial %1 was lost while open: the device hung up or was "
                                 "unplugged. Reconnect it, then start the program again.")
                                      .arg(m_label)));
}

void SerialPortLink::raiseOpenFailure(const QString &device, const LineSettings &line,
                                      const Naming &naming)
{
    const QString &label = naming.label;
    switch (m_port->error()) {
    case QSerialPort::DeviceNotFoundError:
        throw SerialError(SerialErrorCode::PortNotFound,
                          tr("Serial %1 does not exist. Connect the counter, or %2.")
                                  .arg(label, naming.wayOut));
    case QSerialPort::ResourceError:
        throw SerialError(SerialErrorCode::PortNotFound,
                          tr("Serial %1 has no serial hardware behind it. Connect the "
                             "counter, or %2.")
                                  .arg(label, naming.wayOut));
    case QSerialPort::PermissionError:
#ifdef Q_OS_UNIX
        if (permissionDenied(device)) {
            // Name the device's own group when it is one a user can join.
            QString group = QFileInfo(device).group();
            if (group.isEmpty() || group == QLatin1StringView("root"))
                group = QStringLiteral("dialout");
            throw SerialError(SerialErrorCode::PermissionDenied,
                              tr("Permission denied on serial %1. Add your user to the "
                                 "group %2 that owns serial devices "
                                 "(sudo usermod -aG %2 $USER), then log out and in again.")
                                      .arg(label, group));
        }
#else
        Q_UNUSED(device)
#endif
        [[fallthrough]];
    case QSerialPort::OpenError:
        throw SerialError(SerialErrorCode::PortInUse,
                          tr("Serial %1 is in use by another program. Close that "
                             "program, then start again.")
                                  .arg(label));
    default:
        throw SerialError(
                SerialErrorCode::SetupFailed,
                tr("Serial %1 could not be set up as a serial line at %2 (%3): %4.")
                        .arg(label, line.text(), line.description(), m_port->errorString()));
    }
}

} // namespace freqcounter
