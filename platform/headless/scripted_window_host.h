#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/headless/scripted_input_method.h"
#include "platform/window_host.h"

namespace pelsdk::platform {

// A window for tests: it keeps what the toolkit asked of it (invalidated rectangles, timers,
// capture, visibility, owner state, cursor) and lets the test set the pointer, the keyboard focus, the
// Shift key and the clock. Its message loop runs `loop_step` until the window stops running.
class scripted_window_host final : public window_host {
public:
    ~scripted_window_host() override { destroy(); }
    void create(const int_rect& client_dips, uint16_t flags, window_host* owner,
                window_events& events) override;
    void* handle() const override { return const_cast<scripted_window_host*>(this); }
    platform::input_method& input_method() override { return ime; }
    uint32_t dpi_x() const override { return dpi; }
    uint32_t dpi_y() const override { return dpi; }
    void set_title(const std::string& utf8) override { title = utf8; }
    bool is_visible() const override { return visible; }
    void show() override;
    void show_inactive() override;
    void hide() override { visible = false; }
    void update() override { ++updates; }
    void invalidate(int32_t left, int32_t top, int32_t right, int32_t bottom) override {
        invalidated.push_back({left, top, right - left, bottom - top});
    }
    void set_timer(uint32_t id, uint32_t interval_ms) override { timers[id] = interval_ms; }
    void kill_timer(uint32_t id) override { timers.erase(id); }
    void set_capture() override { captured = true; }
    void release_capture() override { captured = false; }
    bool has_focus() const override { return focus; }
    int_point cursor_position() const override { return pointer; }
    int_point screen_cursor_position() const override;
    void set_cursor(cursor_shape shape) override { cursor = shape; }
    bool shift_down() const override { return shift; }
    bool ctrl_down() const override { return ctrl; }
    bool right_alt_down() const override { return right_alt; }
    double milliseconds() const override { return clock_ms; }
    void disable_owner() override;
    void enable_owner() override;
    void run_loop(const bool& running) override;
    void center() override { ++centred; }
    // Like SetWindowPos, a change of size reaches the window at once.
    void resize(const int_rect& client_dips) override;
    void keep_in_work_area() override;
    int_rect frame_rect() const override { return client; }
    void track_mouse_leave() override { ++leave_tracking; }
    void destroy() override;
    void notify_access(access_event event, int32_t id) override { told.push_back({event, id}); }

    window_events* events = nullptr;
    scripted_window_host* owner = nullptr;
    uint16_t flags = 0;
    int_rect client{0, 0, 0, 0};
    uint32_t dpi = 96;
    std::string title;
    bool visible = false;
    bool enabled = true;  // as an owner: EnableWindow
    bool focus = true;
    bool captured = false;
    bool shift = false;
    bool ctrl = false;
    bool right_alt = false;
    bool destroyed = false;
    scripted_input_method ime;
    int_point pointer{0, 0};  // in client pixels; on the screen it is offset by the client's position
    cursor_shape cursor = cursor_shape::arrow;
    bool activated = false;  // shown with activation
    int_rect work_area{0, 0, 1280, 1024};
    double clock_ms = 0;
    int updates = 0;
    int centred = 0;
    int leave_tracking = 0;
    std::vector<int_rect> invalidated;
    // What assistive technology was told, in order.
    std::vector<std::pair<access_event, int32_t>> told;
    std::map<uint32_t, uint32_t> timers;  // id -> interval
    // One turn of the modal loop; the loop ends when the window stops running or this is empty.
    std::function<void()> loop_step;
    // Called as a modal loop starts without a loop_step of its own: how a test answers a popup
    // that the code under test makes and runs itself (e.g. by sending it a key through events).
    static inline std::function<void(scripted_window_host&)> on_modal_loop;
};

}  // namespace pelsdk::platform
