#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/render_backend.h"
#include "ui/base/color.h"
#include "ui/base/geometry.h"
#include "ui/render/text_enums.h"
#include "ui/render/text_run.h"

namespace pelsdk::ui {

class image;

// The update area of a paint, in target pixels: left, top, right, bottom.
struct update_area {
    int32_t left, top, right, bottom;
};

// The character range {start, end} of a text, in UTF-16 code units.
struct character_range {
    uint32_t start;
    uint32_t end;
};

// The drawing context of one window. Widgets set its current colours, stroke and font and call
// its primitives in their own coordinates, between begin_widget and end_widget.
class renderer {
public:
    // Throws pel_exception when a drawing resource cannot be made.
    renderer(platform::graphics_system& graphics, void* native_window);
    ~renderer();
    renderer(const renderer&) = delete;
    renderer& operator=(const renderer&) = delete;

    void set_dpi_and_size(float dpi_x, float dpi_y, uint32_t pixel_width, uint32_t pixel_height);

    // A widget's drawing, under its transform to window dips and clipped to its size in its own
    // dips; inside the update area, which is in target pixels.
    void begin_widget(const platform::matrix_f& transform, const size& area,
                      const update_area& update);
    void end_widget();

    void set_fill_color(const color& fill);
    void set_text_color(const color& text);
    void set_stroke(const color& stroke, float width);
    void set_stroke_style(stroke_style style);
    void set_font(std::string_view family, float size, font_weight weight, font_style style,
                  bool underline);
    // Stays in force for every later text operation, of any widget.
    void set_text_align(text_align horizontal, text_valign vertical);

    void fill_rect(const rect& area);
    void draw_rect(const rect& area);
    void draw_line(const point& from, const point& to);
    void fill_rounded_rect(const rect& area, float radius);
    // A clip of all zeros means no clip.
    void fill_ellipse(const point& center, float radius, const rect& clip);
    void fill_vertical_gradient(const rect& area, const color& top, const color& bottom);
    void draw_text(const rect& area, std::string_view text, const std::vector<text_run>& runs);
    void draw_text_clipped(const rect& layout, const rect& clip, std::string_view text);
    // A maximum of 0 means unbounded.
    size measure_text(std::string_view text, const size& max, const std::vector<text_run>& runs);
    // The box of each range, from one layout of the text: an empty or reversed range, or a
    // failed layout, gives {0, 0, 0, 0}.
    std::vector<rect> text_range_bounds(std::string_view text,
                                        const std::vector<character_range>& ranges,
                                        const size& layout, const std::vector<text_run>& runs);

    // Do nothing while the image is not loaded.
    void draw_image(const point& at, image& picture, float opacity);
    void draw_image_stretched(const rect& area, image& picture, float opacity);
    // The source is in dips of the image.
    void draw_image_part(const point& at, image& picture, const rect& source, float opacity);
    void draw_image_part_stretched(const rect& area, image& picture, const rect& source,
                                   float opacity);

    platform::render_target& target() { return *target_; }
    float scale_x() const { return scale_x_; }
    float scale_y() const { return scale_y_; }
    // Images holding a bitmap made for this renderer.
    std::vector<image*> images;

private:
    // Drawn text is aliased; only draw_text applies the current underline.
    enum class text_use { draw, clipped, measure };
    std::unique_ptr<platform::text_layout> make_layout(std::string_view text, float max_width,
                                                       float max_height,
                                                       const std::vector<text_run>& runs,
                                                       text_use use);
    bool stroke_visible() const;
    const platform::stroke_style* current_stroke_object() const;

    std::unique_ptr<platform::drawing_factory> factory_;
    std::unique_ptr<platform::render_target> target_;
    std::unique_ptr<platform::solid_brush> fill_brush_;
    std::unique_ptr<platform::solid_brush> text_brush_;
    std::unique_ptr<platform::solid_brush> stroke_brush_;
    std::unique_ptr<platform::writing_factory> write_factory_;
    std::unique_ptr<platform::text_format> text_format_;
    std::unique_ptr<platform::stroke_style> dotted_stroke_;
    std::unique_ptr<platform::stroke_style> dashed_stroke_;

    int32_t font_weight_ = platform::kFontWeightNormal;
    int32_t font_style_ = platform::kFontStyleNormal;
    std::u16string font_family_;
    float font_size_ = 12.0f;
    bool font_underline_ = false;
    float stroke_width_ = 1.0f;
    stroke_style stroke_style_ = stroke_style::solid;
    // Widgets begun and not yet ended: the first begins the frame, the last ends it.
    uint32_t open_widgets_ = 0;
    float scale_x_ = 1.0f;
    float scale_y_ = 1.0f;
};

}  // namespace pelsdk::ui
