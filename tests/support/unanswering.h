// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

namespace freqcounter::test {

// A listener on the loopback address whose queue of connections is full: a
// connection to it is not answered (its attempts are dropped) until the
// queue is let go.
class Unanswering
{
public:
    Unanswering()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), size) != 0
            || ::listen(m_listener, 0) != 0
            || ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &size) != 0)
            return;
        m_port = ntohs(address.sin_port);
        // Never accepted, they fill the queue.
        for (int i = 0; i < 4; ++i) {
            const int filler = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            static_cast<void>(::connect(filler, reinterpret_cast<const sockaddr *>(&address),
                                        sizeof address));
            m_fillers.push_back(filler);
        }
    }
    ~Unanswering()
    {
        letGo();
        for (const int fd : m_accepted)
            ::close(fd);
        ::close(m_listener);
    }
    Unanswering(const Unanswering &) = delete;
    Unanswering &operator=(const Unanswering &) = delete;

    quint16 port() const { return m_port; }

    // Ends the fillers and takes what they left in the queue: the next
    // attempt to connect gets through.
    void letGo()
    {
        for (const int fd : m_fillers)
            ::close(fd);
        m_fillers.clear();
        while (true) {
            const int left = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (left < 0)
                break;
            ::close(left);
        }
    }

    // What has come so far over connections made since letGo(), without
    // waiting.
    QByteArray received()
    {
        for (int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
             fd >= 0; fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC))
            m_accepted.push_back(fd);
        QByteArray bytes;
        for (const int fd : m_accepted) {
            char buffer[256];
            ssize_t got = 0;
            while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
                bytes.append(buffer, got);
        }
        return bytes;
    }

private:
    int m_listener = -1;
    quint16 m_port = 0;
    std::vector<int> m_fillers;
    std::vector<int> m_accepted;
};

} // namespace freqcounter::test
