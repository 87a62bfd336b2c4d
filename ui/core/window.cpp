#include "ui/core/window.h"

#include <algorithm>
#include <cstdlib>

// The window's life: its native window, the modal loop, its size and the conversions between
// pixels and dips, timers, and what it forgets of a widget that goes away. Input routing, hit
// testing and the paint walk have files of their own.
namespace pelsdk::ui {

namespace {

widget*& capture_holder() {
    static widget* holder = nullptr;
    return holder;
}

// MulDiv: the exact product divided and rounded to nearest, halves away from zero.
int32_t mul_div(int32_t value, int32_t numerator, int32_t denominator) {
    if (denominator == 0) return -1;
    const int64_t product = static_cast<int64_t>(value) * numerator;
    const int64_t half = std::llabs(static_cast<int64_t>(denominator)) / 2;
    return static_cast<int32_t>((product + (product < 0 ? -half : half)) / denominator);
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
    // A window that describes itself as a dialog is read by a screen reader as it opens, with
    // an owner or without one (the popups of a removal run have none).
    if (describe_client().role == platform::access_role::dialog) {
        host_->notify_access(platform::access_event::dialog_opened, 0);
    }
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

void window::set_title(const std::string& text) {
    title_ = text;
    host_->set_title(text);
}

access_description window::describe_client() const {
    return described_as(platform::access_role::client, title_);
}

void window::announce(platform::access_event event, const widget& subject) {
    if (const int32_t id = accessibility_.id_of(subject)) host_->notify_access(event, id);
}

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
    event_hub::instance().fire(timer.target, event_type::timer, timer.user_id);
}

void window::add_tooltip(widget* target, const rect& area, std::string text_a, std::string text_b,
                         tooltip_factory make_popup) {
    tooltips_.add(target, area, std::move(text_a), std::move(text_b), make_popup);
}

void window::remove_tooltips(widget* target) { tooltips_.remove(target); }
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
    accessibility_.forget(gone);
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
