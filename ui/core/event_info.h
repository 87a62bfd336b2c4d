#pragma once

#include <cstdint>
#include <functional>

namespace pelsdk::ui {

class event_object;

enum class event_type : uint32_t {
    mouse_up = 1,
    mouse_down = 2,
    double_click = 3,
    mouse_wheel = 4,
    mouse_enter = 5,
    mouse_leave = 6,
    mouse_move = 7,
    key_down = 8,
    key_down_detail = 9,
    key_up = 10,
    char_input = 11,
    paint = 12,
    resized = 13,
    dpi_changed = 14,
    moved = 15,
    timer = 17,
    close_request = 19,
    created = 20,
    destroyed = 21,
    enabled = 24,
    disabled = 25,
    parent_resized = 26,
    parent_moved = 27,
    child_added = 28,
    child_removed = 29,
    parent_set = 30,
    focus_gained = 42,
    focus_lost = 43,
    parent_shown = 44,
    parent_hidden = 45,
    shown = 46,
    hidden = 47,
    loop_started = 48,
    value_changed = 49,
    clicked = 50,
    file_drop = 54,
    ime_composition = 55,
    style_changed = 56,
    session_locked = 57,
    session_unlocked = 58,
};

// What every handler receives.
struct event_info {
    event_object* sender;
    event_type type;
    // Passed through unchanged: 2 and 1 for every event but the check box's value_changed.
    int32_t reserved1;
    int32_t reserved2;
    // A number, or the address of a value the firing code owns for the duration of the call.
    uint64_t param1;
    uint64_t param2;
};

using event_handler = std::function<void(const event_info&)>;
using handler_id = uint32_t;

// The address of a value, as events carry it in param1 or param2.
template <typename T>
uint64_t event_param(const T* value) {
    return static_cast<uint64_t>(reinterpret_cast<std::uintptr_t>(value));
}

template <typename T>
const T* event_param_as(uint64_t param) {
    return reinterpret_cast<const T*>(static_cast<std::uintptr_t>(param));
}

}  // namespace pelsdk::ui
