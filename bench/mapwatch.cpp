// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapwatch.h"

#include <QByteArray>

#include <cstdlib>
#include <poll.h>
#include <xcb/xcb.h>

namespace freqcounter::bench {

MapWatch::MapWatch(const QByteArray &display)
{
    xcb_connection_t *connection = xcb_connect(display.constData(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    m_connection = connection;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, screen->root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(m_connection);
}

MapWatch::~MapWatch()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

std::optional<std::chrono::steady_clock::time_point>
MapWatch::waitForMap(QSize size, std::chrono::milliseconds timeout)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + timeout;
    while (Clock::now() < deadline) {
        xcb_generic_event_t *event = xcb_poll_for_event(m_connection);
        if (!event) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline
                                                                                    - Clock::now());
            pollfd waiting{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            ::poll(&waiting, 1, static_cast<int>(std::max<qint64>(left.count(), 0)));
            continue;
        }
        const Clock::time_point at = Clock::now();
        std::optional<Clock::time_point> mapped;
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            xcb_get_geometry_reply_t *geometry = xcb_get_geometry_reply(
                    m_connection, xcb_get_geometry(m_connection, map->window), nullptr);
            if (geometry
                && (!size.isValid()
                    || (geometry->width == size.width() && geometry->height == size.height())))
                mapped = at;
            std::free(geometry);
        }
        std::free(event);
        if (mapped)
            return mapped;
    }
    return std::nullopt;
}

} // namespace freqcounter::bench
