#include "ui/widgets/generic_button.h"

#include "ui/core/theme_picture.h"
#include "ui/core/window.h"
#include "ui/render/theme_font.h"
#include "ui/theme/theme_lookup.h"
#include "ui/widgets/button_layout.h"
#include "ui/widgets/hover_look.h"

#include <algorithm>

namespace pelsdk::ui {

namespace {

// The filter area is stored as four int32: x, y, width, height.
rect filter_area(const widget_style& style) {
    const quad stored = theme_quad(style, "button_image_filter_multiply_area");
    return {stored.left, stored.top, stored.right, stored.bottom};
}

// The keys whose change can change the caption's width.
constexpr theme_key kFitKeys[] = {
    "button_auto_size", "button_auto_size_min_max", "button_text_margins", "button_font_name",
    "button_font_size", "button_font_weight",       "button_font_style",   "button_text_underlined",
};

}  // namespace

generic_button::generic_button()
    : image(std::make_unique<ui::image>()), back_image(std::make_unique<ui::image>()) {
    focusable = true;
    listen(*this, event_type::paint, [this](const event_info&) { paint(); });
    follow_hover_and_focus(*this, hover);
    listen(*this, event_type::disabled, [this](const event_info&) {
        hover = false;
        invalidate(false);
    });
    listen(*this, event_type::mouse_down, [this](const event_info& info) { press(info); });
    listen(*this, event_type::mouse_up, [this](const event_info& info) { release(info); });
    listen(*this, event_type::key_down, [this](const event_info& info) { key(info); });
    listen(*this, event_type::style_changed, [this](const event_info& info) { style_change(info); });
}

bool generic_button::pointer_inside() const {
    return contains_inclusive({0, 0, bounds.width, bounds.height}, window->pointer_position(*this));
}

button_look generic_button::look() const {
    const bool pressed = ui::window::capture() == this && pointer_inside();
    return {toggled, hover, !is_enabled(), pressed, window->focused == this};
}

void generic_button::use_caption_font(renderer& drawing) const {
    use_theme_font(drawing, style, kButtonFont, theme_bool(style, "button_text_underlined"));
    drawing.set_text_align(
        static_cast<text_align>(theme_int(style, "button_font_alignment")),
        static_cast<text_valign>(theme_int(style, "button_font_vertical_alignment")));
}

// --- Painting ------------------------------------------------------------------------------

void generic_button::paint() {
    renderer& drawing = window->drawing();
    const button_colors colors = button_colors_for(style, look());
    const rect whole{0, 0, bounds.width, bounds.height};
    drawing.set_fill_color(colors.fill);
    if (theme_bool(style, "button_round_edges")) {
        const float radius = theme_float(style, "button_round_radius");
        const float used = radius == 0.0f ? static_cast<float>(bounds.height) * 0.5f : radius;
        if (colors.fill.a != 0.0f) drawing.fill_rounded_rect(whole, used);
    } else {
        drawing.fill_rect(whole);
    }
    paint_back_image();
    paint_image();
    // The outline stays rectangular over rounded corners.
    drawing.set_stroke_style(colors.border_style);
    drawing.set_stroke(colors.border, 1.0f);
    drawing.draw_rect(whole);
    paint_caption(drawing, colors);
}

void generic_button::paint_caption(renderer& drawing, const button_colors& colors) {
    drawing.set_text_color(colors.caption);
    use_caption_font(drawing);
    if (caption.empty()) return;
    const size margins = theme_pair(style, "button_text_margins");
    const size area{bounds.width, bounds.height};
    if (theme_bool(style, "button_text_clip")) {
        const auto align = static_cast<text_align>(theme_int(style, "button_font_alignment"));
        const clipped_caption placed = clipped_caption_area(align, area, margins);
        drawing.draw_text_clipped(placed.layout, placed.clip, caption);
    } else {
        drawing.draw_text({margins.width, margins.height, area.width - 2 * margins.width,
                           area.height - 2 * margins.height},
                          caption, {});
    }
}

void generic_button::paint_back_image() {
    const image_reference picture = theme_image(style, "button_back_image");
    if (picture.size == 0) return;
    load_theme_picture(*back_image, *this, "button_back_image");
    if (!back_image->is_loaded()) return;
    // Each slice is as wide as a frame is high.
    const int32_t picture_width = back_image->logical_size().width;
    const int32_t f = image_frame(*back_image, picture.frames, 0).height;
    const int32_t y = static_cast<int32_t>(button_frame(picture.frames, look())) * f;
    renderer& drawing = window->drawing();
    drawing.draw_image_part({0, 0}, *back_image, {0, y, f, f}, 1.0f);
    drawing.draw_image_part_stretched({f, 0, bounds.width - 2 * f, f}, *back_image, {f, y, f, f},
                                      1.0f);
    drawing.draw_image_part({bounds.width - f, 0}, *back_image, {picture_width - f, y, f, f}, 1.0f);
}

void generic_button::prepare_image(uint32_t frames) {
    const color filter = theme_color(style, "button_image_filter_multiply");
    if (filter != color{1, 1, 1, 1}) image->multiply(filter, filter_area(style));
    const rect frame = image_frame(*image, frames, 0);
    image_rect = {(bounds.width - frame.width) / 2, (bounds.height - frame.height) / 2, frame.width,
                  frame.height};
}

void generic_button::paint_image() {
    const image_reference picture = theme_image(style, "button_image");
    if (picture.size == 0) return;
    if (load_theme_picture(*image, *this, "button_image")) prepare_image(picture.frames);
    if (!image->is_loaded()) return;
    const int32_t y =
        static_cast<int32_t>(button_frame(picture.frames, look())) * image_rect.height;
    const rect source{0, y, image_rect.width, image_rect.height};
    renderer& drawing = window->drawing();
    if (theme_bool(style, "button_image_strech")) {
        drawing.draw_image_part_stretched({0, 0, bounds.width, bounds.height}, *image, source,
                                          image_opacity);
    } else {
        drawing.draw_image_part({image_rect.x, image_rect.y}, *image, source, image_opacity);
    }
}

// --- Input and theme -----------------------------------------------------------------------

void generic_button::press(const event_info& info) {
    if (info.param1 != 0) return;
    ui::window::take_capture(*this);
    invalidate(true);
}

void generic_button::release(const event_info& info) {
    if (info.param1 != 0 || ui::window::capture() != this) return;
    ui::window::release_capture();
    if (!pointer_inside()) return;
    if (toggle_mode) toggled = !toggled;
    if (theme_bool(style, "button_reset_hover")) hover = false;
    invalidate(false);
    event_hub::instance().fire(this, event_type::clicked, toggled ? 1 : 0, 0);
}

void generic_button::key(const event_info& info) {
    constexpr uint64_t kEnter = 13;
    if (info.param1 != kEnter) return;
    if (toggle_mode) {
        toggled = !toggled;
        invalidate(false);
    }
    event_hub::instance().fire(this, event_type::clicked, toggled ? 1 : 0, 0);
}

std::optional<access_description> generic_button::describe() const {
    access_description description = described_as(platform::access_role::push_button, caption);
    description.default_action = "Press";
    if (toggle_mode && toggled) description.states = platform::access_state::pressed;
    return description;
}

void generic_button::style_change(const event_info& info) {
    const theme_key& key = *event_param_as<theme_key>(info.param1);
    const bool face_key = key == "button_image" || key == "button_image_filter_multiply";
    if (face_key && image->is_loaded()) image->unload();
    if (key == "button_back_image" && back_image->is_loaded()) back_image->unload();
    if (std::find(std::begin(kFitKeys), std::end(kFitKeys), key) != std::end(kFitKeys)) {
        fit_width();
    }
    invalidate(false);
}

void generic_button::fit_width() {
    // Measuring needs the window's renderer: a button not yet in a window is fitted by the
    // next call once it is.
    if (window == nullptr || !theme_bool(style, "button_auto_size")) return;
    renderer& drawing = window->drawing();
    use_caption_font(drawing);
    const int32_t text_width =
        caption.empty() ? 0 : drawing.measure_text(caption, {0, 0}, {}).width;
    const int32_t width = auto_width(text_width, theme_pair(style, "button_auto_size_min_max"),
                                     theme_pair(style, "button_text_margins").width);
    set_bounds({bounds.x, bounds.y, std::max(width, min_size.width),
                std::max(bounds.height, min_size.height)},
               true);
}

}  // namespace pelsdk::ui
