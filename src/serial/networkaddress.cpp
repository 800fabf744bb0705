// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "networkaddress.h"

#include <QUrl>

namespace freqcounter {

bool NetworkAddress::isAddress(QStringView device)
{
    return device.startsWith(u"tcp://", Qt::CaseInsensitive);
}

std::optional<NetworkAddress> NetworkAddress::parse(QStringView device)
{
    if (!isAddress(device))
        return std::nullopt;
    const QUrl url(device.toString(), QUrl::StrictMode);
    const int port = url.port();
    if (!url.isValid() || url.host().isEmpty() || port < 1 || port > 65535
        || !(url.path().isEmpty() || url.path() == u'/') || url.hasQuery() || url.hasFragment()
        || !url.userInfo().isEmpty()) {
        return std::nullopt;
    }
    return NetworkAddress{url.host(), quint16(port)};
}

} // namespace freqcounter
