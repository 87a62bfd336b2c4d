#include "ui/core/window.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pelsdk::ui {

namespace {

widget*& capture_holder() {
    static widget* holder = nullptr;
    return holder;
}

// The DPI used to convert the pointer position, refreshed on every pointer move.
uint32_t& current_dpi() {
    static uint32_t dpi = 96;
    return dpi;
}

// MulDiv: the exact product divided and rounded to nearest, halves away from zero.
int32_t mul_div(int32_t value, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return -1;
    const int64_t product = static_cast<int64_t>(value) * numerator;
    const int64_t half = std::llabs(static_cast<int64_t>(denominator)) / 2;
    return static_cast<int32_t>((product + (product < 0 ? -half : half)) / denominator);
}

int32_t nearest(float value) { return static_cast<int32_t>(std::lround(value)); }

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

window::window(platform::services& platform)
    : platform_(platform), host_(platform.make_window_host()) {}

// The members then go in reverse order: the root, the maps, the renderer, the native window.
window::~window() {
    event_hub::instance().fire(this, event_type::destroyed);
    event_hub::instance().unregister_all(this);
}

void window::on_user_message(uint64_t, uint64_t) {}

void window::create(const std::string& title, const rect& client, uint16_t flags) {
    host_->create({client.x, client.y, client.width, client.height}, flags,
                  owner != nullptr ? &owner->host() : nullptr, *this);
    set_title(title);
    root.set_name("BaseWidget");
    root.window = this;
    root.parent = nullptr;
    root.create({0, 0, client.width, client.height});
    focused = &root;
    renderer_ = std::make_unique<ui::renderer>(platform_.graphics, host_->handle());
    // Detaches the input context from the window as it starts.
    ime_ = std::make_unique<ime_state>(host_->input_method(), [this](uint64_t step) {
        dispatch(event_type::ime_composition, step, 0);
    });
    event_hub::instance().fire(this, event_type::created);
    created = true;
}

int32_t window::run() {
    modal_result = 0;
    event_hub::instance().fire(this, event_type::shown);
    host_->disable_owner();
    if (!host_->is_visible()) host_->show();
    running_ = true;
    event_hub::instance().fire(this, event_type::loop_started);
    host_->run_loop(running_);
    event_hub::instance().fire(this, event_type::hidden);
    return modal_result;
}

void window::close(int32_t result) {
    modal_result = result;
    event_hub::instance().fire(this, event_type::hidden);
    running_ = false;
    host_->enable_owner();
    if (host_->is_visible()) host_->hide();
}

void window::center() { host_->center(); }

void window::resize(const rect& client) {
    host_->resize({client.x, client.y, client.width, client.height});
}

rect window::frame_rect() const {
    const platform::int_rect frame = host_->frame_rect();
    return {frame.x, frame.y, frame.width, frame.height};
}

void window::set_title(const std::string& text) { host_->set_title(text); }

point window::to_dips(const point& pixels) const {
    return {mul_div(pixels.x, 96, static_cast<int32_t>(host_->dpi_x())),
            mul_div(pixels.y, 96, static_cast<int32_t>(host_->dpi_y()))};
}

point window::to_pixels(const point& dips) const {
    return {mul_div(dips.x, static_cast<int32_t>(host_->dpi_x()), 96),
            mul_div(dips.y, static_cast<int32_t>(host_->dpi_y()), 96)};
}

size window::to_dips(uint32_t pixel_width, uint32_t pixel_height) const {
    const point dips = to_dips(point{static_cast<int32_t>(pixel_width), static_cast<int32_t>(pixel_height)});
    return {dips.x, dips.y};
}

// --- Timers -------------------------------------------------------------------------------

void window::add_timer(widget* target, uint32_t user_id, uint32_t interval_ms, bool one_shot) {
    for (const auto& [id, timer] : timers_) {
        if (timer.target == target && timer.user_id == user_id) return;
    }
    const uint32_t id = ++next_timer_id_;
    timers_[id] = widget_timer{user_id, target, one_shot};
    host_->set_timer(id, interval_ms);
}

void window::kill_timer(widget* target, uint32_t user_id) {
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->second.target == target && it->second.user_id == user_id) {
            host_->kill_timer(it->first);
            timers_.erase(it);
            return;
        }
    }
}

void window::on_timer(uint32_t id) {
    if (id == tooltip_schedule::kTimer) {
        tooltips_.tick();
        return;
    }
    const auto found = timers_.find(id);
    if (found == timers_.end()) return;
    const widget_timer timer = found->second;
    if (timer.one_shot) {
        host_->kill_timer(id);
        timers_.erase(found);
    }
    event_hub::instance().fire(timer.target, event_type::timer, 2, 1, timer.user_id);
}

// --- Tooltips -----------------------------------------------------------------------------

void window::add_tooltip(widget* target, const rect& area, std::string text_a, std::string text_b,
                         tooltip_factory make_popup) {
    tooltips_.add(target, area, std::move(text_a), std::move(text_b), make_popup);
}

void window::remove_tooltips(widget* target) { tooltips_.remove(target); }

// --- Pointer ------------------------------------------------------------------------------

widget* window::capture() { return capture_holder(); }

void window::take_capture(widget& holder) {
    capture_holder() = &holder;
    if (holder.window != nullptr) holder.window->host().set_capture();
}

void window::release_capture() {
    widget* holder = capture_holder();
    capture_holder() = nullptr;
    if (holder != nullptr && holder->window != nullptr) holder->window->host().release_capture();
}

point window::pointer_in_window() const {
    const platform::int_point pixels = host_->cursor_position();
    const auto dpi = static_cast<int32_t>(current_dpi());
    return {pixels.x * 96 / dpi, pixels.y * 96 / dpi};
}

point window::pointer_position(const widget& relative_to) const {
    std::vector<const widget*> chain;
    for (const widget* w = &relative_to; w != nullptr; w = w->parent) chain.push_back(w);
    float x = static_cast<float>(pointer_in_window().x);
    float y = static_cast<float>(pointer_in_window().y);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        x -= static_cast<float>((*it)->bounds.x);
        y -= static_cast<float>((*it)->bounds.y);
        if (*it != &relative_to) {
            x /= (*it)->scale;
            y /= (*it)->scale;
        }
    }
    return {static_cast<int32_t>(x), static_cast<int32_t>(y)};
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

// --- Hit test and paint -------------------------------------------------------------------

widget* window::hit_test(const point& at) {
    if (capture() != nullptr) return capture();
    if (!root.is_visible(true) || !contains({0, 0, root.bounds.width, root.bounds.height}, at)) {
        return nullptr;
    }
    widget* current = &root;
    float origin_x = 0, origin_y = 0, running = 1;
    for (;;) {
        running *= current->parent != nullptr ? current->parent->scale : 1.0f;
        origin_x += static_cast<float>(current->bounds.x) * running;
        origin_y += static_cast<float>(current->bounds.y) * running;
        const float s = running * current->scale;
        widget* next = nullptr;
        for (auto it = current->children.rbegin(); it != current->children.rend(); ++it) {
            const widget& child = **it;
            if (!child.is_visible(true)) continue;
            const rect area{nearest(child.bounds.x * s + origin_x), nearest(child.bounds.y * s + origin_y),
                            nearest(child.bounds.width * s * child.scale),
                            nearest(child.bounds.height * s * child.scale)};
            if (contains(area, at)) {
                next = *it;
                break;
            }
        }
        if (next == nullptr) return current;
        current = next;
    }
}

void window::paint(widget& painted, const update_area& update) {
    if (!painted.is_visible(true)) return;
    const float saved_x = paint_origin_x_, saved_y = paint_origin_y_, saved_scale = paint_scale_;
    paint_scale_ *= painted.parent != nullptr ? painted.parent->scale : 1.0f;
    const int32_t x = nearest(painted.bounds.x * paint_scale_) + static_cast<int32_t>(paint_origin_x_);
    const int32_t y = nearest(painted.bounds.y * paint_scale_) + static_cast<int32_t>(paint_origin_y_);
    const int32_t width = nearest(painted.bounds.width * painted.scale);
    const int32_t height = nearest(painted.bounds.height * painted.scale);
    if (x < update.right && x + width > update.left && y < update.bottom && y + height > update.top) {
        renderer_->begin_widget(painted.bounds, painted.scale, update);
        event_hub::instance().fire(&painted, event_type::paint);
        paint_origin_x_ = static_cast<float>(x);
        paint_origin_y_ = static_cast<float>(y);
        for (widget* child : std::vector<widget*>(painted.children)) paint(*child, update);
        renderer_->end_widget();
    }
    paint_origin_x_ = saved_x;
    paint_origin_y_ = saved_y;
    paint_scale_ = saved_scale;
}

void window::on_paint(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    paint(root, {left, top, right, bottom});
}

// --- Routing ------------------------------------------------------------------------------

widget* window::nearest_enabled(widget* from) const {
    while (from != nullptr && !from->is_enabled()) from = from->parent;
    return from;
}

void window::set_focus(widget* target, uint64_t value) {
    if (target == focused) return;
    event_hub& hub = event_hub::instance();
    if (focused != nullptr) hub.fire(focused, event_type::focus_lost, 2, 1, value, event_param(target));
    focused = target;
    if (target != nullptr && target->is_enabled()) hub.fire(target, event_type::focus_gained, 2, 1, value);
}

void window::route_button(event_type type, uint64_t p1, uint64_t p2) {
    event_hub& hub = event_hub::instance();
    widget* holder = capture();
    if (holder != nullptr && holder->is_enabled()) {
        hub.fire(holder, type, 2, 1, p1, p2);
        return;
    }
    if (type == event_type::mouse_up) {
        widget* hit = hit_test(pointer_in_window());
        if (hit != nullptr && hit->is_enabled()) hub.fire(hit, type, 2, 1, p1, p2);
        hub.fire(this, type, 2, 1, p1, p2);
        return;
    }
    widget* hit = hit_test(pointer_in_window());
    if (hit != nullptr && hit->is_enabled()) {
        set_focus(hit, 0);
        if (!hub.fire(hit, type, 2, 1, p1, p2)) {
            widget* catcher = hit->parent;
            while (catcher != nullptr && !catcher->catch_child_clicks) catcher = catcher->parent;
            if (catcher != nullptr && catcher->is_enabled()) hub.fire(catcher, type, 2, 1, p1, p2);
        }
    }
    button_held = true;
    tooltips_.hide();
    hub.fire(this, type, 2, 1, p1, p2);
    swallow_up = type == event_type::double_click;
}

void window::route_move(uint64_t p1, uint64_t p2) {
    event_hub& hub = event_hub::instance();
    widget* holder = capture();
    if (holder != nullptr && holder->is_enabled()) {
        hub.fire(holder, event_type::mouse_move, 2, 1, p1, p2);
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
            hub.fire(target, event_type::mouse_move, 2, 1, p1, p2);
        }
    } else {
        if (widget* left = nearest_enabled(hovered)) hub.fire(left, event_type::mouse_leave);
        widget* entered = nearest_enabled(hit);
        if (entered != nullptr) hub.fire(entered, event_type::mouse_enter);
        if (entered != hovered) button_held = false;
        hovered = entered;
    }
    hub.fire(this, event_type::mouse_move, 2, 1, p1, p2);
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
        hub.fire(this, event_type::mouse_wheel, 2, 1, p1, p2);
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
    hub.fire(target, event_type::mouse_wheel, 2, 1, p1, p2);
    hub.fire(this, event_type::mouse_wheel, 2, 1, p1, p2);
}

// param2: 1 the drag is over the window, 2 it left the widget it was over, 0 the files dropped.
void window::route_file_drop(uint64_t p1, uint64_t p2) {
    event_hub& hub = event_hub::instance();
    widget* hit = hit_test(pointer_in_window());
    if (p2 == 1 && hit != drop_target) {
        if (hit != nullptr && hit->is_enabled()) {
            if (drop_target != nullptr) hub.fire(drop_target, event_type::file_drop, 2, 1, 0, 2);
            hub.fire(hit, event_type::file_drop, 2, 1, 0, 1);
            drop_target = hit;
        }
    } else if (p2 == 2 && hit != drop_target) {
        if (drop_target != nullptr && drop_target->is_enabled()) {
            hub.fire(drop_target, event_type::file_drop, 2, 1, 0, 2);
            drop_target = nullptr;
        }
    } else if (p2 == 0 && hit != nullptr && hit->is_enabled()) {
        hub.fire(hit, event_type::file_drop, 2, 1, p1, 0);
    }
    hub.fire(this, event_type::file_drop, 2, 1, p1, 0);
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
            if (focused != nullptr && focused->is_enabled()) hub.fire(focused, type, 2, 1, p1, p2);
            return;
        case event_type::char_input:
            if (tab_navigation && p1 == 9) {
                move_focus_by_tab();
                hub.fire(this, type, 2, 1, p1, p2);
                return;
            }
            [[fallthrough]];
        case event_type::key_down:
        case event_type::key_down_detail:
        case event_type::key_up:
        case event_type::focus_gained:
        case event_type::focus_lost:
            if (focused != nullptr && focused->is_enabled()) hub.fire(focused, type, 2, 1, p1, p2);
            hub.fire(this, type, 2, 1, p1, p2);
            return;
        case event_type::resized:
        case event_type::dpi_changed:
            lay_out_root(*event_param_as<size>(p1));
            hub.fire(this, type, 2, 1, p1, p2);
            return;
        default:
            hub.fire(this, type, 2, 1, p1, p2);
            return;
    }
}

// --- The window procedure's events --------------------------------------------------------

void window::on_client_resized(uint32_t pixel_width, uint32_t pixel_height) {
    if (created) {
        renderer_->set_dpi_and_size(static_cast<float>(host_->dpi_x()),
                                    static_cast<float>(host_->dpi_y()), pixel_width, pixel_height);
    }
    const size dips = to_dips(pixel_width, pixel_height);
    dispatch(event_type::resized, event_param(&dips), 0);
}

void window::on_dpi_changed(uint32_t dpi_x, uint32_t dpi_y, uint32_t pixel_width,
                            uint32_t pixel_height) {
    if (created) {
        renderer_->set_dpi_and_size(static_cast<float>(dpi_x), static_cast<float>(dpi_y),
                                    pixel_width, pixel_height);
    }
    const size dips = to_dips(pixel_width, pixel_height);
    const uint32_t dpi[2] = {dpi_x, dpi_y};
    dispatch(event_type::dpi_changed, event_param(&dips), event_param(dpi));
}

bool window::on_close_request() {
    if (event_hub::instance().fire(this, event_type::close_request)) return true;
    running_ = false;
    host_->enable_owner();
    if (host_->is_visible()) host_->hide();
    return false;
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

void window::forget_widget(widget& gone) {
    if (caption_widget == &gone) caption_widget = nullptr;
    remove_tooltips(&gone);
    widgets.erase(std::remove(widgets.begin(), widgets.end(), &gone), widgets.end());
    if (hovered == &gone) {
        hovered = nullptr;
        button_held = false;
    }
    if (focused == &gone) focused = nullptr;
    if (wheel_widget_ == &gone) wheel_widget_ = nullptr;
    if (drop_target == &gone) drop_target = nullptr;
    tooltips_.forget(&gone);
    if (capture() == &gone) release_capture();
    // A timer of a widget that is gone would fire at whatever reuses its address.
    for (auto it = timers_.begin(); it != timers_.end();) {
        if (it->second.target == &gone) {
            host_->kill_timer(it->first);
            it = timers_.erase(it);
        } else {
            ++it;
        }
    }
}

}  // namespace pelsdk::ui
