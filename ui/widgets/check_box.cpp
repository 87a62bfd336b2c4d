#include "ui/widgets/check_box.h"

#include "ui/core/theme_picture.h"
#include "ui/core/window.h"
#include "ui/render/theme_font.h"
#include "ui/theme/theme_lookup.h"
#include "ui/widgets/check_box_layout.h"
#include "ui/widgets/hover_look.h"

namespace pelsdk::ui {

namespace {

constexpr uint64_t kSpaceKey = 0x20;

}  // namespace

check_box::check_box() : image(std::make_unique<ui::image>()) {
    set_name("check_box");
    focusable = true;
    listen(*this, event_type::created, [this](const event_info&) { on_created(); });
}

void check_box::on_created() {
    listen(*this, event_type::paint, [this](const event_info&) { paint(); });
    // Handled so that the press stays with the box instead of reaching a catching ancestor.
    listen(*this, event_type::mouse_down, [](const event_info&) {});
    listen(*this, event_type::mouse_up, [this](const event_info&) { toggle(); });
    // Space toggles it as a click does, so that the keyboard can do what the pointer does.
    listen(*this, event_type::key_down, [this](const event_info& info) {
        if (info.param1 == kSpaceKey) toggle();
    });
    follow_hover_and_focus(*this, hover);
    listen(*this, event_type::style_changed, [this](const event_info& info) {
        if (*event_param_as<theme_key>(info.param1) == "checkbox_image") image->unload();
        arrange(arrangement);
    });
    arrange(2);
    set_enabled(false);
}

void check_box::use_caption_font(renderer& drawing) const {
    use_theme_font(drawing, style,
                   {"checkbox_font_name", "checkbox_font_size", "checkbox_font_weight",
                    "checkbox_font_style"},
                   false);
}

void check_box::arrange(int32_t chosen) {
    text_gap = theme_int(style, "checkbox_text_gap");
    renderer& drawing = window->drawing();
    use_caption_font(drawing);
    drawing.set_text_align(text_align::left, text_valign::top);
    const size text = caption.empty() ? size{0, 0} : drawing.measure_text(caption, {0, 0}, {});

    if (load_theme_picture(*image, *this, "checkbox_image")) {
        const rect first = image_frame(*image, theme_image(style, "checkbox_image").frames, 0);
        frame_size = {first.width, first.height};
    }
    box_rect = {box_rect.x, (bounds.height - frame_size.height) / 2, frame_size.width,
                frame_size.height};
    text_rect = {text_rect.x, (bounds.height - text.height) / 2, text.width, text.height};
    if (const auto columns =
            arrange_columns(chosen, bounds.width, frame_size.width, text.width, text_gap)) {
        box_rect.x = columns->box_x;
        text_rect.x = columns->text_x;
    }
    arrangement = chosen;
    invalidate(false);
}

void check_box::paint() {
    if (bound != nullptr) ticked = *bound;
    renderer& drawing = window->drawing();
    drawing.set_fill_color(theme_color(style, "checkbox_back_color"));
    drawing.fill_rect({0, 0, bounds.width, bounds.height});

    const uint32_t frames = theme_image(style, "checkbox_image").frames;
    const auto frame = static_cast<int32_t>(check_box_frame(frames, hover, !is_enabled(), ticked));
    drawing.draw_image_part({box_rect.x, box_rect.y}, *image,
                            {0, frame * frame_size.height, frame_size.width, frame_size.height},
                            1.0f);
    if (window->focused == this && !hover) {
        drawing.set_stroke_style(stroke_style::dotted);
        drawing.set_stroke(theme_color(style, "checkbox_border_color_focus"), 1.0f);
        drawing.draw_rect(box_rect);
        // The stroke style outlives this paint: later outlines of other widgets stay solid.
        drawing.set_stroke_style(stroke_style::solid);
    }

    // The theme's alpha is ignored: a caption is opaque, or half transparent when disabled.
    color text = theme_color(style, "checkbox_font_color");
    text.a = is_enabled() ? 1.0f : 0.5f;
    drawing.set_text_color(text);
    use_caption_font(drawing);
    drawing.set_text_align(text_align::left, text_valign::center);
    if (!caption.empty()) drawing.draw_text(text_rect, caption, {});
}

std::optional<access_description> check_box::describe() const {
    const bool checked = bound != nullptr ? *bound : ticked;
    access_description description = described_as(platform::access_role::check_button, caption);
    description.default_action = checked ? "Uncheck" : "Check";
    if (checked) description.states = platform::access_state::checked;
    return description;
}

void check_box::toggle() {
    // The application may have changed the bound value since the last paint.
    if (bound != nullptr) ticked = *bound;
    event_hub& hub = event_hub::instance();
    hub.fire_reserved(this, event_type::value_changed, 0, 0);
    ticked = !ticked;
    if (bound != nullptr) *bound = ticked;
    invalidate(false);
    hub.fire_reserved(this, event_type::value_changed, 2, 0);
    announce(platform::access_event::state_changed);
}

}  // namespace pelsdk::ui
