#include "ui/widgets/generic_panel.h"

#include "ui/core/window.h"
#include "ui/theme/theme_lookup.h"

namespace pelsdk::ui {

generic_panel::generic_panel() {
    listen(*this, event_type::paint, [this](const event_info&) { paint(); });
    listen(*this, event_type::style_changed, [this](const event_info&) { invalidate(false); });
}

void generic_panel::paint() {
    const rect area{0, 0, bounds.width, bounds.height};
    renderer& draw = window->drawing();
    draw.set_fill_color(theme_color(style, "default_back_color"));
    draw.fill_rect(area);
    // The stroke style is shared by the whole window: a focus box may have left it dotted.
    draw.set_stroke_style(stroke_style::solid);
    draw.set_stroke(theme_color(style, "default_border_color"),
                    theme_float(style, "default_border_width"));
    draw.draw_rect(area);
}

}  // namespace pelsdk::ui
