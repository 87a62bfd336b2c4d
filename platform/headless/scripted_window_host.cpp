#include "platform/headless/scripted_window_host.h"

namespace pelsdk::platform {

void scripted_window_host::create(const int_rect& client_dips, uint16_t style_flags,
                                  window_host* owner_host, window_events& window_events) {
    client = client_dips;
    flags = style_flags;
    owner = static_cast<scripted_window_host*>(owner_host);
    events = &window_events;
}

void scripted_window_host::show() {
    visible = true;
    activated = true;
    ++updates;
}

void scripted_window_host::show_inactive() {
    visible = true;
    ++updates;
}

int_point scripted_window_host::screen_cursor_position() const {
    return {client.x + pointer.x, client.y + pointer.y};
}

void scripted_window_host::resize(const int_rect& client_dips) {
    const bool resized = client.width != client_dips.width || client.height != client_dips.height;
    client = client_dips;
    if (resized && events != nullptr) {
        events->on_client_resized(static_cast<uint32_t>(client.width) * dpi / 96,
                                  static_cast<uint32_t>(client.height) * dpi / 96);
    }
}

void scripted_window_host::keep_in_work_area() {
    const int32_t right = work_area.x + work_area.width, bottom = work_area.y + work_area.height;
    if (client.x + client.width > right) client.x = right - client.width;
    if (client.x < work_area.x) client.x = work_area.x;
    if (client.y + client.height > bottom) client.y = bottom - client.height;
    if (client.y < work_area.y) client.y = work_area.y;
}

void scripted_window_host::disable_owner() {
    if (owner != nullptr) owner->enabled = false;
}

void scripted_window_host::enable_owner() {
    if (owner == nullptr) return;
    owner->enabled = true;
    owner->focus = true;
}

void scripted_window_host::run_loop(const bool& running) {
    if (!loop_step && on_modal_loop) on_modal_loop(*this);
    while (running && loop_step) loop_step();
}

void scripted_window_host::destroy() {
    enable_owner();
    destroyed = true;
}

}  // namespace pelsdk::platform
