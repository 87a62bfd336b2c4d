#pragma once

#include "platform/headless/scripted_window_host.h"
#include "ui/core/window.h"

// The scripted host behind a window made on the headless machine: where tests read what the
// window asked of the system and drive what the system would send.
inline pelsdk::platform::scripted_window_host& HostOf(pelsdk::ui::window& w) {
    return static_cast<pelsdk::platform::scripted_window_host&>(w.host());
}
