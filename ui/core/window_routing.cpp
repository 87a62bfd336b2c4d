#include "ui/core/widget_geometry.h"
#include "ui/core/window.h"

#include <algorithm>
#include <cstdlib>

// Input routing: the native window's input turned into toolkit events and sent to the widget it
// belongs to, through pointer capture, hover, focus and Tab, wheel latching and file drags.
namespace pelsdk::ui {

namespace {

// The DPI used to convert the pointer position, refreshed on every pointer move.
uint32_t& current_dpi() {
    static uint32_t dpi = 96;
    return dpi;
}

event_type event_for(platform::input kind) {
    using platform::input;
    switch (kind) {
        case input::button_down: return event_type::mouse_down;
        case input::button_up: return event_type::mouse_up;
        case input::double_click: return event_type::double_click;
        case input::wheel: return event_type::mouse_wheel;
        case input::pointer_left: return event_type::mouse_leave;
        case input::key_down: return event_type::key_down;
        case input::key_down_detail: return event_type::key_down_detail;
        case input::key_up: return event_type::key_up;
        case input::character: return event_type::char_input;
        case input::focus_gained: return event_type::focus_gained;
        case input::focus_lost: return event_type::focus_lost;
        case input::session_locked: return event_type::session_locked;
        case input::session_unlocked: return event_type::session_unlocked;
    }
    return event_type::mouse_move;
}

}  // namespace

point window::pointer_in_window() const {
    if (synthetic_pointer_) return *synthetic_pointer_;
    const platform::int_point pixels = host_->cursor_position();
    const auto dpi = static_cast<int32_t>(current_dpi());
    return {pixels.x * 96 / dpi, pixels.y * 96 / dpi};
}

// One reading of the cursor, so that x and y come from the same sample.
point window::pointer_position(const widget& relative_to) const {
    return window_to_widget(pointer_in_window(), relative_to);
}

bool window::on_mouse_move(uint32_t dpi) {
    current_dpi() = dpi == 0 ? 96 : dpi;
    if (!tracking_) {
        tracking_ = true;
        host_->track_mouse_leave();
        return true;
    }
    dispatch(event_type::mouse_move, 0, 0);
    return false;
}

widget* window::nearest_enabled(widget* from) const {
    while (from != nullptr && !from->is_enabled()) from = from->parent;
    return from;
}

void window::set_focus(widget* target, uint64_t value) {
    if (target == focused) return;
    event_hub& hub = event_hub::instance();
    if (focused != nullptr) hub.fire(focused, event_type::focus_lost, value, event_param(target));
    focused = target;
    keyboard_focus_ = value == 1;
    if (target != nullptr && target->is_enabled()) {
        hub.fire(target, event_type::focus_gained, value);
        announce(platform::access_event::focus, *target);
    }
}

void window::click_at(const point& at) {
    synthetic_pointer_ = at;
    dispatch(event_type::mouse_down, 0, 0);
    dispatch(event_type::mouse_up, 0, 0);
    synthetic_pointer_.reset();
}

void window::route_button(event_type type, uint64_t p1, uint64_t p2) {
    event_hub& hub = event_hub::instance();
    widget* holder = capture();
    if (holder != nullptr && holder->is_enabled()) {
        hub.fire(holder, type, p1, p2);
        return;
    }
    if (type == event_type::mouse_up) {
        widget* hit = hit_test(pointer_in_window());
        if (hit != nullptr && hit->is_enabled()) hub.fire(hit, type, p1, p2);
        hub.fire(this, type, p1, p2);
        return;
    }
    widget* hit = hit_test(pointer_in_window());
    if (hit != nullptr && hit->is_enabled()) {
        set_focus(hit, 0);
        if (!hub.fire(hit, type, p1, p2)) {
            widget* catcher = hit->parent;
            while (catcher != nullptr && !catcher->catch_child_clicks) catcher = catcher->parent;
            if (catcher != nullptr && catcher->is_enabled()) hub.fire(catcher, type, p1, p2);
        }
    }
    button_held = true;
    tooltips_.hide();
    hub.fire(this, type, p1, p2);
    swallow_up = type == event_type::double_click;
}

void window::route_move(uint64_t p1, uint64_t p2) {
    event_hub& hub = event_hub::instance();
    widget* holder = capture();
    if (holder != nullptr && holder->is_enabled()) {
        hub.fire(holder, event_type::mouse_move, p1, p2);
        return;
    }
    // The hovered widget itself, even when it has just been disabled under the pointer, moves
    // the hover to its nearest enabled ancestor; compared after that step too, a pointer resting
    // on a disabled child would otherwise leave and re-enter its ancestor on every move.
    widget* const under = hit_test(pointer_in_window());
    widget* hit = nearest_enabled(under);
    if (under == hovered || hit == hovered) {
        if (widget* target = nearest_enabled(hovered)) {
            hovered = target;
            hub.fire(target, event_type::mouse_move, p1, p2);
        }
    } else {
        if (widget* left = nearest_enabled(hovered)) hub.fire(left, event_type::mouse_leave);
        widget* entered = nearest_enabled(hit);
        if (entered != nullptr) hub.fire(entered, event_type::mouse_enter);
        if (entered != hovered) button_held = false;
        hovered = entered;
    }
    hub.fire(this, event_type::mouse_move, p1, p2);
}

void window::route_wheel(uint64_t p1, uint64_t p2) {
    if (!host_->has_focus()) return;
    event_hub& hub = event_hub::instance();
    const point at = pointer_in_window();
    widget* target = hit_test(at);
    while (target != nullptr && !(target->is_enabled() && hub.has_handler(target, event_type::mouse_wheel))) {
        target = target->parent;
    }
    const double now = host_->milliseconds();
    if (target == nullptr) {
        wheel_pos_ = at;
        hub.fire(this, event_type::mouse_wheel, p1, p2);
        return;
    }
    // A list that scrolls under a resting pointer keeps the wheel.
    if (target != wheel_widget_ && wheel_widget_ != nullptr && now - wheel_time_ < 400.0 &&
        std::abs(at.x - wheel_pos_.x) <= 10 && std::abs(at.y - wheel_pos_.y) <= 10) {
        target = wheel_widget_;
    } else {
        wheel_widget_ = target;
    }
    wheel_time_ = now;
    wheel_pos_ = at;
    hub.fire(target, event_type::mouse_wheel, p1, p2);
    hub.fire(this, event_type::mouse_wheel, p1, p2);
}

// param2: 1 the drag is over the window, 2 it left the widget it was over, 0 the files dropped.
void window::route_file_drop(uint64_t p1, uint64_t p2) {
    event_hub& hub = event_hub::instance();
    widget* hit = hit_test(pointer_in_window());
    if (p2 == 1 && hit != drop_target) {
        if (hit != nullptr && hit->is_enabled()) {
            if (drop_target != nullptr) hub.fire(drop_target, event_type::file_drop, 0, 2);
            hub.fire(hit, event_type::file_drop, 0, 1);
            drop_target = hit;
        }
    } else if (p2 == 2 && hit != drop_target) {
        if (drop_target != nullptr && drop_target->is_enabled()) {
            hub.fire(drop_target, event_type::file_drop, 0, 2);
            drop_target = nullptr;
        }
    } else if (p2 == 0 && hit != nullptr && hit->is_enabled()) {
        hub.fire(hit, event_type::file_drop, p1, 0);
    }
    hub.fire(this, event_type::file_drop, p1, 0);
}

void window::on_ime_message(platform::ime_message message, uint32_t lparam) {
    if (!ime_) return;
    switch (message) {
        case platform::ime_message::start_composition:
            ime_->start_composition();
            break;
        case platform::ime_message::composition:
            ime_->compose(lparam);
            break;
        case platform::ime_message::end_composition:
            ime_->end_composition();
            break;
        case platform::ime_message::input_language_changed:
            ime_->input_language_changed();
            break;
        case platform::ime_message::key_down:
            ime_->key_down_while_composing();
            break;
    }
}

bool window::on_file_drag_over() {
    event_hub& hub = event_hub::instance();
    const widget* hit = hit_test(pointer_in_window());
    const bool taken = (hit != nullptr && hit->is_enabled() &&
                        hub.has_handler(hit, event_type::file_drop)) ||
                       hub.has_handler(this, event_type::file_drop);
    dispatch(event_type::file_drop, 0, taken ? 1 : 2);
    return taken;
}

void window::on_files_dropped(std::vector<std::wstring>& paths) {
    dispatch(event_type::file_drop, event_param(&paths), 0);
}

void window::move_focus_by_tab() {
    if (focused == nullptr) focused = &root;
    if (widgets.empty()) return;
    const bool backward = host_->shift_down();
    const auto found = std::find(widgets.begin(), widgets.end(), focused);
    const size_t count = widgets.size();
    size_t index = found == widgets.end() ? 0 : static_cast<size_t>(found - widgets.begin());
    for (size_t step = 0; step < count; ++step) {
        index = backward ? (index + count - 1) % count : (index + 1) % count;
        widget* candidate = widgets[index];
        if (candidate->focusable && candidate->is_enabled() && candidate->is_visible(true)) {
            set_focus(candidate, 1);
            return;
        }
    }
}

void window::lay_out_root(const size& client) {
    root.set_bounds({0, 0, std::max(client.width, root.min_size.width),
                     std::max(client.height, root.min_size.height)},
                    true);
}

void window::dispatch(event_type type, uint64_t p1, uint64_t p2) {
    event_hub& hub = event_hub::instance();
    switch (type) {
        case event_type::mouse_up:
            if (swallow_up) {
                swallow_up = false;
                return;
            }
            route_button(type, p1, p2);
            return;
        case event_type::mouse_down:
        case event_type::double_click:
            route_button(type, p1, p2);
            return;
        case event_type::mouse_move:
            route_move(p1, p2);
            return;
        case event_type::mouse_leave:
            if (widget* left = nearest_enabled(hovered)) hub.fire(left, event_type::mouse_leave);
            hovered = nullptr;
            button_held = false;
            return;
        case event_type::mouse_wheel:
            route_wheel(p1, p2);
            return;
        case event_type::file_drop:
            route_file_drop(p1, p2);
            return;
        case event_type::ime_composition:
            // The composition is the focused widget's alone.
            if (focused != nullptr && focused->is_enabled()) hub.fire(focused, type, p1, p2);
            return;
        case event_type::char_input:
            if (tab_navigation && p1 == 9) {
                move_focus_by_tab();
                hub.fire(this, type, p1, p2);
                return;
            }
            [[fallthrough]];
        case event_type::key_down:
        case event_type::key_down_detail:
        case event_type::key_up:
        case event_type::focus_gained:
        case event_type::focus_lost:
            if (focused != nullptr && focused->is_enabled()) hub.fire(focused, type, p1, p2);
            hub.fire(this, type, p1, p2);
            return;
        case event_type::resized:
        case event_type::dpi_changed:
            lay_out_root(*event_param_as<size>(p1));
            hub.fire(this, type, p1, p2);
            return;
        default:
            hub.fire(this, type, p1, p2);
            return;
    }
}
void window::on_input(platform::input kind, uint64_t p1, uint64_t p2) {
    if (kind == platform::input::pointer_left) tracking_ = false;
    dispatch(event_for(kind), p1, p2);
}

bool window::wants_double_click() {
    widget* hit = hit_test(pointer_in_window());
    if (hit != nullptr && hit->is_enabled() &&
        event_hub::instance().has_handler(hit, event_type::double_click)) {
        return true;
    }
    return event_hub::instance().has_handler(this, event_type::double_click);
}

}  // namespace pelsdk::ui
