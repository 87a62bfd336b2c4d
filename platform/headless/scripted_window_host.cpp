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
    ++updates;
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
    while (running && loop_step) loop_step();
}

void scripted_window_host::destroy() {
    enable_owner();
    destroyed = true;
}

}  // namespace pelsdk::platform
