#include "installer/ui/break_line.h"

#include "ui/core/window.h"
#include "ui/theme/theme_lookup.h"

using namespace pelsdk::ui;

void BreakLine::paint() {
    renderer& drawing = window->drawing();
    const int32_t y = bounds.height / 2;
    drawing.set_stroke_style(stroke_style::solid);
    drawing.set_stroke(theme_color(style, "breakline_color"), 1.0f);
    drawing.draw_line({0, y}, {bounds.width, y});
}
