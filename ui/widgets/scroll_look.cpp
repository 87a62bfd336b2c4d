#include "ui/widgets/scroll_look.h"

#include "ui/render/image.h"
#include "ui/render/renderer.h"
#include "ui/theme/theme_lookup.h"

namespace pelsdk::ui {

void draw_scroll_thumb(renderer& drawing, const widget_style& style, const scroll_axis& axis,
                       const rect& thumb, int32_t cross_length) {
    drawing.set_fill_color(theme_color(style, "scroll_bar_back_color"));
    drawing.fill_rect(thumb);
    drawing.set_stroke(theme_color(style, "scroll_bar_line_color"), 1.0f);
    const int32_t middle = axis.start(thumb) + axis.length(thumb) / 2;
    const int32_t far = cross_length - 4;
    for (const int32_t at : {middle - 3, middle, middle + 3}) {
        if (axis.horizontal) {
            drawing.draw_line({at, 4}, {at, far});
        } else {
            drawing.draw_line({4, at}, {far, at});
        }
    }
}

void draw_scroll_button(renderer& drawing, const widget_style& style, const scroll_axis& axis,
                        const rect& button, bool start, image& arrows) {
    drawing.set_fill_color(theme_color(style, "scroll_button_back_color"));
    drawing.fill_rect(button);
    drawing.set_stroke(theme_color(style, "scroll_button_line_color"), 1.0f);
    const point edge_end = axis.horizontal ? point{button.x, button.y + button.height}
                                           : point{button.x + button.width, button.y};
    drawing.draw_line({button.x, button.y}, edge_end);

    const point middle{button.x + button.width / 2, button.y + button.height / 2};
    const point corner =
        axis.horizontal ? point{middle.x - 2, middle.y - 4} : point{middle.x - 4, middle.y - 2};
    drawing.draw_image_part(corner, arrows, axis.span(start ? 0 : 4, 4, 8), 1.0f);
}

}  // namespace pelsdk::ui
