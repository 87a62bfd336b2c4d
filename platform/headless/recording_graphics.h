#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/render_backend.h"

namespace pelsdk::platform {

// One formatting call on a text layout.
struct recorded_format {
    std::string property;  // "weight", "style", "family", "size", "underline", "effect"
    text_range range;
    float number;          // weight, style, size, underline (0 or 1), or the effect's alpha
    std::u16string family;
    color_f color;         // the drawing effect's colour
};

// One drawing call, with its geometry after the transform then in force.
struct recorded_primitive {
    std::string kind;  // "fill_rectangle", "draw_rectangle", "draw_line", "fill_rounded_rectangle",
                       // "fill_ellipse", "fill_vertical_gradient", "draw_text", "draw_bitmap"
    rect_f geometry;   // a line's ends are {from.x, from.y, to.x, to.y}; an ellipse's box
    rect_f local;      // the same before the transform
    matrix_f transform;
    std::vector<std::pair<rect_f, antialias_mode>> clips;  // as pushed, innermost last
    antialias_mode antialias;
    color_f color;      // the brush; a gradient's top colour; the text's default colour
    color_f color2;     // a gradient's bottom colour
    float width = 0;    // stroke width; a rounded rectangle's or ellipse's x radius
    std::vector<float> dashes;
    std::u16string text;
    float max_width = 0, max_height = 0;
    std::vector<recorded_format> formats;
    text_alignment alignment = text_alignment::leading;
    paragraph_alignment paragraph = paragraph_alignment::near_edge;
    float opacity = 1;
    bool has_source = false;
    rect_f source{};
};

// Deterministic text metrics: every UTF-16 unit advances half its font size, a line is
// round(1.2 x the largest size in it) high, lines wrap at spaces and break at line feeds.
class recording_graphics final : public graphics_system {
public:
    enum class failure {
        none, drawing_factory, window_target, brush, writing_factory, text_format, stroke_style,
        text_layout, bitmap_from_pixels, shared_bitmap, bitmap_update
    };

    // Makes that step fail from now on.
    failure fails = failure::none;

    std::vector<recorded_primitive> primitives;
    // The frame calls, dpi and size changes, in order.
    std::vector<std::string> calls;
    int live_bitmaps = 0;

    std::unique_ptr<drawing_factory> create_drawing_factory() override;
    std::unique_ptr<writing_factory> create_writing_factory() override;
};

}  // namespace pelsdk::platform
