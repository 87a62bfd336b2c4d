#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/headless_scene.h"
#include "tests/support/host_of.h"
#include "ui/core/window.h"

// One scripted window of 400 x 300 dips for widget tests: widgets are added at their places, the
// pointer and buttons are driven as the window procedure would, and painting is recorded.
class WidgetScene : public HeadlessScene {
public:
    WidgetScene() {
        win = std::make_unique<pelsdk::ui::window>(os);
        win->create("Widgets", {0, 0, 400, 300}, 0);
        host = &HostOf(*win);
        win->on_mouse_move(96);  // the pointer is inside: later moves are routed
    }

    void Add(pelsdk::ui::widget& child, pelsdk::ui::widget& parent, const pelsdk::ui::rect& area) {
        child.window = win.get();
        parent.add_child(&child);
        child.create(area);
    }
    void Add(pelsdk::ui::widget& child, const pelsdk::ui::rect& area) { Add(child, win->root, area); }

    // The pointer at a window position in dips (96 DPI: pixels and dips agree).
    void MoveTo(int32_t x, int32_t y) {
        host->pointer = {x, y};
        win->on_mouse_move(96);
    }
    void Press(uint64_t button = 0) { win->dispatch(pelsdk::ui::event_type::mouse_down, button, 0); }
    void Release(uint64_t button = 0) { win->dispatch(pelsdk::ui::event_type::mouse_up, button, 0); }
    void Click(int32_t x, int32_t y, uint64_t button = 0) {
        MoveTo(x, y);
        Press(button);
        Release(button);
    }
    void Key(uint64_t virtual_key) { win->dispatch(pelsdk::ui::event_type::key_down, virtual_key, 0); }

    // Paints the whole window and returns what was drawn.
    const std::vector<pelsdk::platform::recorded_primitive>& Paint() {
        machine.graphics.primitives.clear();
        win->on_paint(0, 0, 400, 300);
        return machine.graphics.primitives;
    }
    // The primitives of one kind from the last paint.
    std::vector<pelsdk::platform::recorded_primitive> Drawn(const std::string& kind) const {
        std::vector<pelsdk::platform::recorded_primitive> found;
        for (const auto& p : machine.graphics.primitives) {
            if (p.kind == kind) found.push_back(p);
        }
        return found;
    }

    std::unique_ptr<pelsdk::ui::window> win;
    pelsdk::platform::scripted_window_host* host = nullptr;
};

class WidgetTest : public ::testing::Test, public WidgetScene {};

// A theme colour as the recording backend records it; `half` for one drawn at half opacity.
inline pelsdk::platform::color_f F(pelsdk::ui::color c, bool half = false) {
    return {c.r, c.g, c.b, half ? c.a / 2 : c.a};
}
