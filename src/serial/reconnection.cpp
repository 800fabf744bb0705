// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reconnection.h"

#include "networkaddress.h"
#include "serialline.h"

#include <algorithm>

namespace freqcounter {

namespace {

// A device that is not there, not ours yet, or gone: worth waiting for. A
// setting it refuses, a port number out of range, is not.
bool isLoss(const SerialError &error)
{
    switch (SerialErrorCode(error.number())) {
    case SerialErrorCode::PortNotFound:
    case SerialErrorCode::PermissionDenied:
    case SerialErrorCode::PortInUse:
    case SerialErrorCode::DeviceLost:
        return true;
    default:
        return false;
    }
}

// What a failure says of its cause, without the advice on what to do (such
// as starting the program again), which waiting takes the place of: its
// first sentence.
QString causeOf(const SerialError &error)
{
    const QString &text = error.description();
    const qsizetype end = text.indexOf(QStringLiteral(". "));
    return end < 0 ? text : text.first(end + 1);
}

} // namespace

Reconnection::Reconnection(SerialLine &line, Tell tell)
    : m_line(line)
    , m_tell(std::move(tell))
{}

void Reconnection::opened()
{
    take();
    m_state = State::Open;
    m_readSinceBack = true;
}

void Reconnection::take()
{
    const QString &device = m_line.openDevice();
    m_network = NetworkAddress::isAddress(device);
    m_identity = m_network ? AdapterIdentity::of(device, {})
                           : AdapterIdentity::of(device, m_line.portDevices().found());
}

bool Reconnection::lose(const SerialError &error, qint64 nowMsecs)
{
    // Once it has opened, any failure of the device is waited out: it
    // worked.
    if (!m_identity && !isLoss(error))
        return false;
    if (m_line.portOpen())
        m_line.setPortOpen(false);
    if (!m_identity)
        m_network = NetworkAddress::isAddress(m_line.deviceName());
    if (m_state == State::Open) {
        m_lostAt = nowMsecs;
        m_why = causeOf(error);
        // A connection that keeps dropping before its first reading is
        // tried less and less often, as one that never comes about is.
        m_wait = m_readSinceBack ? kFirstRetry : nextWait();
        m_tell(m_identity ? tr("%1 Waiting for it to come back.").arg(m_why)
                          : tr("%1 Waiting for it.").arg(m_why));
    } else {
        m_wait = nextWait();
    }
    waitFrom(nowMsecs);
    return true;
}

std::chrono::milliseconds Reconnection::nextWait() const
{
    if (!m_network)
        return kFirstRetry;
    return std::clamp(m_wait * 2, kFirstRetry, kLastNetworkRetry);
}

void Reconnection::waitFrom(qint64 nowMsecs)
{
    m_state = State::Waiting;
    m_nextTry = nowMsecs + m_wait.count();
}

bool Reconnection::reopenIfDue(qint64 nowMsecs)
{
    if (m_state != State::Waiting || nowMsecs < m_nextTry)
        return false;
    try {
        if (!m_identity) {
            m_line.setPortOpen(true);
        } else {
            const QString device = m_identity->listed()
                    ? m_identity->findIn(m_line.portDevices().found())
                    : m_identity->device;
            if (device.isEmpty()) {
                waitFrom(nowMsecs);
                return false;
            }
            m_line.reopen(device);
        }
    } catch (const SerialError &) {
        m_wait = nextWait();
        waitFrom(nowMsecs);
        return false;
    }
    const bool wasOpen = m_identity.has_value();
    if (!wasOpen)
        take();
    m_state = State::Trying;
    m_openedBefore = wasOpen;
    check(nowMsecs);
    return true;
}

void Reconnection::check(qint64 nowMsecs)
{
    if (m_state != State::Trying || !m_line.isEstablished())
        return;
    m_state = State::Open;
    m_readSinceBack = false;
    const qint64 seconds = (nowMsecs - m_lostAt + 500) / 1000;
    const QString device = m_line.openDevice();
    m_tell(m_openedBefore ? tr("Port %1 (%2) is back after %3 s.")
                                    .arg(m_line.commPort())
                                    .arg(device)
                                    .arg(seconds)
                          : tr("Port %1 (%2) is open after %3 s.")
                                    .arg(m_line.commPort())
                                    .arg(device)
                                    .arg(seconds));
}

void Reconnection::readingArrived()
{
    m_readSinceBack = true;
}

QString Reconnection::waitingText() const
{
    if (m_state == State::Open)
        return {};
    return tr("Waiting for %1 to come back. %2").arg(label(), m_why);
}

QString Reconnection::label() const
{
    const QString device
            = m_line.openDevice().isEmpty() ? m_line.deviceName() : m_line.openDevice();
    return tr("port %1 (%2)").arg(m_line.commPort()).arg(device);
}

} // namespace freqcounter
