// SPDX-FileCopyrightText: 2026 The Pellucor developers
//
// SPDX-License-Identifier: MIT

// Prints, one line each as it happens, "map <window> <µs>" when a top-level window is mapped
// and "paint <window> <µs>" whenever something is drawn into one (the X Damage extension),
// with the wall clock in microseconds since the epoch. The last paint after the map is the
// moment the window was fully drawn, whatever the program drew it with.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

long long Now() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

}  // namespace

int main() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "paint_watch: cannot open the display\n");
        return 2;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (damage == nullptr || !damage->present) {
        std::fprintf(stderr, "paint_watch: the X server has no Damage extension\n");
        return 2;
    }
    std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));

    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("ready 0 %lld\n", Now());

    while (xcb_generic_event_t* raw = xcb_wait_for_event(c)) {
        const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(raw, &std::free);
        const long long now = Now();
        const int type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            // Watched from creation on: a program may draw as soon as it is mapped, before
            // this watcher could react to the map.
            const auto* create = reinterpret_cast<xcb_create_notify_event_t*>(raw);
            xcb_damage_create(c, xcb_generate_id(c), create->window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            xcb_flush(c);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(raw);
            std::printf("map %u %lld\n", map->window, now);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            const auto* d = reinterpret_cast<xcb_damage_notify_event_t*>(raw);
            std::printf("paint %u %lld\n", d->drawable, now);
        }
    }
    return 0;
}
