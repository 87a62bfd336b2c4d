#include "ui/widgets/scroll_bar.h"

#include "ui/core/theme_picture.h"
#include "ui/core/window.h"
#include "ui/theme/theme_lookup.h"
#include "ui/widgets/scroll_look.h"

namespace pelsdk::ui {

namespace {

// value_changed carries a position as a signed 64-bit number.
uint64_t position_param(int32_t value) {
    return static_cast<uint64_t>(static_cast<int64_t>(value));
}

}  // namespace

scroll_bar::scroll_bar(uint32_t bar_orientation)
    : orientation(bar_orientation),
      arrow_image(std::make_unique<image>()) {
    set_name("scroll_bar");
    if (is_inert()) return;
    created_handler_ = listen(*this, event_type::created, [this](const event_info&) { on_created(); });
}

void scroll_bar::on_created() {
    // Once only: a second announcement must not double every handler.
    event_hub::instance().unregister(created_handler_);
    listen(*this, event_type::paint, [this](const event_info&) { paint(); });
    listen(*this, event_type::mouse_down, [this](const event_info& info) { on_press(info); });
    listen(*this, event_type::mouse_up, [this](const event_info& info) { on_release(info); });
    listen(*this, event_type::mouse_move, [this](const event_info&) { on_move(); });
    listen(*this, event_type::mouse_wheel, [this](const event_info& info) { on_wheel(info); });
    listen(*this, event_type::resized, [this](const event_info&) { resize_step(); });
    resize_step();
}

widget* scroll_bar::viewport() const { return content != nullptr ? content->parent : nullptr; }

void scroll_bar::set_content(widget* scrolled) {
    if (is_inert()) return;
    drop_content_connections();
    content = scrolled;
    if (content != nullptr) {
        move_content(0);
        if (!horizontal()) {
            listen(*content, event_type::mouse_wheel,
                    [this](const event_info& info) { on_wheel(info); });
        }
        listen(*content, event_type::resized, [this](const event_info&) { update_step(); });
        listen(*content, event_type::moved, [this](const event_info&) { update_step(); });
        if (widget* around = viewport()) {
            listen(*around, event_type::resized, [this](const event_info&) { viewport_step(); });
        }
        // A content destroyed first must not be moved later through a stale pointer.
        listen(*content, event_type::destroyed,
                [this](const event_info&) { set_content(nullptr); });
    }
    update_step();
}

// The bar registers on nothing but its content and the content's viewport.
void scroll_bar::drop_content_connections() {
    for (const auto& [sender, ids] : connections) {
        for (handler_id id : ids) event_hub::instance().unregister(id);
    }
    connections.clear();
}

std::optional<access_description> scroll_bar::describe() const {
    access_description description = described_as(platform::access_role::scroll_bar);
    description.value = std::to_string(position);
    return description;
}

void scroll_bar::scroll_to(int32_t target, bool exact) {
    if (!exact) target = snapped(target, step);
    if (content != nullptr) {
        move_content(offset_in_range(-int64_t{target}, max_scroll));
    }
    event_hub::instance().fire(this, event_type::value_changed, position_param(target));
    announce(platform::access_event::value_changed);
}

void scroll_bar::scroll_by(int32_t delta) {
    if (content != nullptr) {
        move_content(offset_in_range(int64_t{axis().start(content->bounds)} + delta, max_scroll));
    }
    event_hub::instance().fire(this, event_type::value_changed, position_param(position));
    announce(platform::access_event::value_changed);
}

void scroll_bar::move_content(int32_t main_coordinate) {
    const rect area = axis().moved_to(content->bounds, main_coordinate);
    content->set_bounds(raised_to_min_size(area, content->min_size), true);
}

void scroll_bar::resize_step() {
    const scroll_parts parts = lay_out_parts(axis(), {bounds.width, bounds.height}, show_buttons);
    start_button = parts.start_button;
    end_button = parts.end_button;
    thumb = parts.track;
    update_step();
}

void scroll_bar::update_step() {
    const scroll_axis along = axis();
    const widget* around = viewport();
    scroll_extent extent{0,
                         0,
                         0,
                         along.length(bounds),
                         along.length(start_button),
                         theme_int(style, "scroll_min_size")};
    if (around != nullptr) {
        extent.content_length = along.length(content->bounds);
        extent.viewport_length = along.length(around->bounds);
        extent.content_offset = along.start(content->bounds);
    }
    const scroll_metrics metrics = measure_scroll(extent);
    max_scroll = metrics.max_scroll;
    position = metrics.position;
    pixels_per_unit = metrics.pixels_per_unit;
    thumb = along.span(metrics.thumb_start, metrics.thumb_length, along.cross_length(bounds));
    // The content shrank or the viewport grew: bring it back within the range.
    if (-extent.content_offset > max_scroll) scroll_to(max_scroll, true);
    overflowing = extent.viewport_length < extent.content_length;
    set_shown(overflowing);
    invalidate(false);
}

void scroll_bar::viewport_step() {
    if (const widget* around = viewport()) {
        const scroll_axis along = axis();
        const int32_t offset = along.start(content->bounds);
        const int32_t pulled =
            pulled_offset(offset, along.length(content->bounds), along.length(around->bounds));
        if (pulled != offset) move_content(pulled);
    }
    update_step();
}

void scroll_bar::on_press(const event_info& info) {
    if (info.param1 != 0) return;
    const point at = window->pointer_position(*this);
    if (contains_inclusive(thumb, at)) {
        dragging = true;
        window::take_capture(*this);
        const int32_t travelled = thumb_travel(position, pixels_per_unit);
        drag_offset = {at.x - travelled, at.y - travelled};
        return;
    }
    const scroll_axis along = axis();
    const auto target = track_target(along.along(at), along.start(thumb), along.length(thumb),
                                     along.length(bounds), along.length(start_button));
    if (!target) return;
    if (const auto units = units_for(*target, pixels_per_unit)) scroll_to(*units, true);
}

void scroll_bar::on_move() {
    if (!dragging) return;
    const point at = window->pointer_position(*this);
    const int32_t distance = axis().along({at.x - drag_offset.x, at.y - drag_offset.y});
    if (const auto units = units_for(distance, pixels_per_unit)) scroll_to(*units, false);
}

void scroll_bar::on_release(const event_info& info) {
    if (info.param1 != 0) return;
    if (dragging) {
        window::release_capture();
        dragging = false;
        return;
    }
    if (content == nullptr || !show_buttons) return;
    const point at = window->pointer_position(*this);
    if (contains(start_button, at)) {
        scroll_by(step);
    } else if (contains(end_button, at)) {
        scroll_by(-step);
    }
}

void scroll_bar::on_wheel(const event_info& info) {
    const platform::window_host& keys = window->host();
    // Ctrl+wheel belongs to zooming; right Alt also reports Ctrl (AltGr) and does not count.
    if (keys.ctrl_down() && !keys.right_alt_down()) return;
    const int32_t multiplier = keys.shift_down() ? theme_int(style, "scroll_speed_multiplier") : 1;
    scroll_by(wheel_amount(*event_param_as<double>(info.param1), multiplier));
}

void scroll_bar::paint() {
    paint_background(bounds);
    if (overflowing || !theme_bool(style, "scroll_auto_hide")) paint_thumb(thumb);
    if (show_buttons) {
        paint_button(start_button, true);
        paint_button(end_button, false);
    }
}

void scroll_bar::paint_background(const rect& area) {
    renderer& drawing = window->drawing();
    drawing.set_fill_color(theme_color(style, "scroll_back_color"));
    drawing.fill_rect({0, 0, area.width, area.height});
}

void scroll_bar::paint_thumb(const rect& area) {
    draw_scroll_thumb(window->drawing(), style, axis(), area, axis().cross_length(bounds));
}

void scroll_bar::paint_button(const rect& area, bool start) {
    load_theme_picture(*arrow_image, *this, "scroll_button_arrow_image");
    draw_scroll_button(window->drawing(), style, axis(), area, start, *arrow_image);
}

}  // namespace pelsdk::ui
