#pragma once

#include <memory>

#include "platform/headless/recording_graphics.h"
#include "platform/headless/scripted_window_host.h"
#include "ui/core/window.h"

// Toolkit windows of the tests: scripted native windows drawing into one recording backend.
inline pelsdk::platform::recording_graphics& RecordingGraphics() {
    static pelsdk::platform::recording_graphics graphics;
    return graphics;
}

inline void UseScriptedWindows() {
    pelsdk::ui::use_window_platform(
        {[] { return std::make_unique<pelsdk::platform::scripted_window_host>(); },
         &RecordingGraphics()});
}
