#include "installer/ui/rounded_button.h"

#include "ui/core/window.h"
#include "ui/theme/theme_lookup.h"
#include "ui/widgets/generic_button.h"

using namespace pelsdk::ui;

namespace {

void UsePillLook(generic_button& button, theme_key back, theme_key back_hover, theme_key text) {
    button.style.set_alias("button_color_normal", back);
    button.style.set_alias("button_color_hover", back_hover);
    button.style.set_alias("button_font_color", text);
    button.style.set_alias("button_font_color_hover", "rounded_button_font_color_hover");
    button.style.set_alias("button_font_name", "rounded_button_font_name");
    button.style.set_alias("button_font_size", "rounded_button_font_size");
}

}  // namespace

void RoundedButton::UseAccentLook() {
    UsePillLook(*this, "rounded_button_next_back_color_normal",
                "rounded_button_next_back_color_hover", "rounded_button_font_color_hover");
}

void RoundedButton::UsePlainLook() {
    UsePillLook(*this, "rounded_button_back_color_normal", "rounded_button_back_color_hover",
                "rounded_button_font_color_normal");
}

int32_t RoundedButton::EndRadius() const { return (bounds.height + 1) / 2; }

color RoundedButton::FillColor() const {
    if (!is_enabled()) return theme_color(style, "rounded_button_back_color_disabled");
    if (hover) return theme_color(style, "button_color_hover");
    return theme_color(style, "button_color_normal");
}

color RoundedButton::CaptionColor() const {
    if (!is_enabled()) return theme_color(style, "rounded_button_font_color_disabled");
    if (hover) return theme_color(style, "button_font_color_hover");
    return theme_color(style, "button_font_color");
}

void RoundedButton::paint() {
    renderer& drawing = window->drawing();
    const int32_t w = bounds.width, h = bounds.height, r = EndRadius();
    // One dip inside the top and bottom edges, so the antialiased rims stay in the widget.
    const float radius = static_cast<float>(h) * 0.5f - 1.0f;
    drawing.set_fill_color(FillColor());
    drawing.fill_ellipse({r, r}, radius, {0, 0, 0, 0});
    drawing.fill_ellipse({w - r, r}, radius, {0, 0, 0, 0});
    drawing.fill_rect({r, 1, w - 2 * r, h - 2});

    drawing.set_text_color(CaptionColor());
    use_theme_font(drawing, style, pelsdk::ui::kButtonFont, false);
    drawing.set_text_align(text_align::center, text_valign::center);
    if (!caption.empty()) drawing.draw_text({0, 0, w, h}, caption, {});
}
