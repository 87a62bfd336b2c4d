#include "ui/widgets/button_look.h"

#include "ui/theme/theme_lookup.h"

namespace pelsdk::ui {

namespace {

color faded(color c, bool disabled) {
    if (disabled) c.a *= 0.5f;
    return c;
}

color fill_color(const widget_style& style, const button_look& look) {
    if (look.pressed) return theme_color(style, "button_color_pressed");
    if (look.hover) return theme_color(style, "button_color_hover");
    if (look.toggled) return theme_color(style, "button_color_toggle");
    return theme_color(style, "button_color_normal");
}

color caption_color(const widget_style& style, const button_look& look) {
    if (look.pressed) return theme_color(style, "button_font_color_pressed");
    if (look.hover) return theme_color(style, "button_font_color_hover");
    return theme_color(style, "button_font_color");
}

}  // namespace

uint32_t button_frame(uint32_t frames, const button_look& look) {
    uint32_t frame = 0;
    if (look.toggled) {
        if (frames >= 5) frame = 4;
        if (look.hover) frame = frames >= 6 ? 5 : frames >= 2 ? 1 : frame;
        if (look.disabled) frame = frames >= 7 ? 6 : frames >= 3 ? 2 : frame;
        if (look.pressed) frame = frames >= 8 ? 7 : frames >= 4 ? 3 : frame;
        return frame;
    }
    if (look.hover && frames >= 2) frame = 1;
    if (look.disabled && frames >= 3) frame = 2;
    if (look.pressed && frames >= 4) frame = 3;
    return frame;
}

button_colors button_colors_for(const widget_style& style, const button_look& look) {
    // Focus draws a dotted outline, which the pointer's solid hover outline replaces.
    color border = theme_color(style, "button_border_color_normal");
    stroke_style border_style = stroke_style::solid;
    if (look.focused) {
        border = theme_color(style, "button_border_color_focus");
        border_style = stroke_style::dotted;
    }
    if (look.hover) {
        border = theme_color(style, "button_border_color_hover");
        border_style = stroke_style::solid;
    }
    return {faded(fill_color(style, look), look.disabled), faded(border, look.disabled),
            border_style, faded(caption_color(style, look), look.disabled)};
}

}  // namespace pelsdk::ui
