#include "ui/render/renderer.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "platform/text_encoding.h"
#include "ui/base/pel_exception.h"
#include "ui/render/image.h"

namespace pelsdk::ui {

namespace {

using platform::antialias_mode;

platform::color_f to_platform(const color& c) { return {c.r, c.g, c.b, c.a}; }

platform::rect_f edges_of(const rect& r) {
    return {static_cast<float>(r.x), static_cast<float>(r.y), static_cast<float>(r.x + r.width),
            static_cast<float>(r.y + r.height)};
}

int32_t direct_write_weight(font_weight weight) {
    switch (weight) {
        case font_weight::light:
            return platform::kFontWeightLight;
        case font_weight::bold:
            return platform::kFontWeightBold;
        default:
            return platform::kFontWeightNormal;
    }
}

int32_t direct_write_style(font_style style) {
    return style == font_style::italic ? platform::kFontStyleItalic : platform::kFontStyleNormal;
}

platform::text_alignment direct_write_alignment(text_align align) {
    switch (align) {
        case text_align::left:
            return platform::text_alignment::leading;
        case text_align::right:
            return platform::text_alignment::trailing;
        default:
            return platform::text_alignment::center;
    }
}

platform::paragraph_alignment direct_write_paragraph(text_valign align) {
    switch (align) {
        case text_valign::top:
            return platform::paragraph_alignment::near_edge;
        case text_valign::bottom:
            return platform::paragraph_alignment::far_edge;
        default:
            return platform::paragraph_alignment::center;
    }
}

// Extends a length so that a partly covered device pixel at its end is covered whole.
float widened(int32_t length, float scale) {
    const float scaled = static_cast<float>(length) * scale;
    return static_cast<float>(length) + (std::trunc(scaled + 0.5f) - std::trunc(scaled));
}

int32_t nearest(float value) { return static_cast<int32_t>(std::lround(value)); }

// The rectangle around a range's line boxes; {0, 0, 0, 0} when there are none.
rect box_around(const std::vector<platform::hit_test_box>& boxes) {
    if (boxes.empty()) return {0, 0, 0, 0};
    float min_x = FLT_MAX, min_y = FLT_MAX, max_x = FLT_MIN, max_y = FLT_MIN;
    for (const platform::hit_test_box& box : boxes) {
        min_x = std::min(min_x, box.left);
        min_y = std::min(min_y, box.top);
        max_x = std::max(max_x, box.left + box.width);
        max_y = std::max(max_y, box.top + box.height);
    }
    return {nearest(min_x), nearest(min_y), nearest(max_x - min_x), nearest(max_y - min_y)};
}

platform::text_range run_range(const text_run& run) {
    return {run.start, run.end > run.start ? run.end - run.start : 0};
}

}  // namespace

renderer::renderer(platform::graphics_system& graphics, void* native_window) {
    factory_ = graphics.create_drawing_factory();
    if (!factory_) throw pel_exception("unable to create a d2d resource factory");
    target_ = factory_->create_window_target(native_window);
    if (!target_) throw pel_exception("unable to create a d2d render target");

    target_->set_antialias_mode(antialias_mode::per_primitive);
    fill_brush_ = target_->create_solid_brush({0, 0, 0, 1});
    stroke_brush_ = target_->create_solid_brush({1, 1, 1, 1});
    text_brush_ = target_->create_solid_brush({1, 1, 1, 1});
    if (!fill_brush_ || !stroke_brush_ || !text_brush_) {
        throw pel_exception("unable to create one or more solid brushes");
    }
    write_factory_ = graphics.create_writing_factory();
    if (!write_factory_) throw pel_exception("unable to create the write factory");
    text_format_ = write_factory_->create_text_format();
    if (!text_format_) throw pel_exception("unable to initialize the d2d write factory");
    dotted_stroke_ = factory_->create_stroke_style({1.0f, 1.0f});
    dashed_stroke_ = factory_->create_stroke_style({4.0f, 4.0f});
    if (!dotted_stroke_ || !dashed_stroke_) {
        throw pel_exception("unable to initialize the dotted stroke");
    }
}

renderer::~renderer() {
    // Copied first: each image removes itself from the list.
    for (image* held : std::vector<image*>(images)) held->release_renderer(*this);
}

void renderer::set_dpi_and_size(float dpi_x, float dpi_y, uint32_t pixel_width,
                                uint32_t pixel_height) {
    target_->set_dpi(dpi_x, dpi_y);
    target_->resize(pixel_width, pixel_height);
    scale_x_ = dpi_x * (1.0f / 96.0f);
    scale_y_ = dpi_y * (1.0f / 96.0f);
}

void renderer::begin_widget(const platform::matrix_f& transform, const size& area,
                            const update_area& update) {
    if (open_widgets_ == 0) {
        target_->begin_paint();
        target_->begin_draw();
    }
    ++open_widgets_;

    target_->set_transform({1, 0, 0, 1, 0, 0});
    target_->push_axis_aligned_clip(
        {static_cast<float>(update.left), static_cast<float>(update.top),
         static_cast<float>(update.right), static_cast<float>(update.bottom)},
        antialias_mode::aliased);

    target_->set_transform(transform);
    target_->push_axis_aligned_clip({0, 0, widened(area.width, scale_x_),
                                     widened(area.height, scale_y_)},
                                    antialias_mode::per_primitive);
}

void renderer::end_widget() {
    target_->pop_axis_aligned_clip();
    target_->pop_axis_aligned_clip();
    if (--open_widgets_ == 0) {
        target_->end_draw();
        target_->end_paint();
    }
}

void renderer::set_fill_color(const color& fill) { fill_brush_->set_color(to_platform(fill)); }

void renderer::set_text_color(const color& text) { text_brush_->set_color(to_platform(text)); }

void renderer::set_stroke(const color& stroke, float width) {
    stroke_brush_->set_color(to_platform(stroke));
    stroke_width_ = width;
}

void renderer::set_stroke_style(stroke_style style) { stroke_style_ = style; }

void renderer::set_font(std::string_view family, float size, font_weight weight,
                        font_style style, bool underline) {
    font_family_ = platform::utf8_to_utf16(family);
    font_size_ = size;
    font_underline_ = underline;
    font_weight_ = direct_write_weight(weight);
    font_style_ = direct_write_style(style);
}

void renderer::set_text_align(text_align horizontal, text_valign vertical) {
    text_format_->set_text_alignment(direct_write_alignment(horizontal));
    text_format_->set_paragraph_alignment(direct_write_paragraph(vertical));
}

bool renderer::stroke_visible() const {
    return stroke_brush_->color().a != 0.0f && stroke_width_ != 0.0f;
}

const platform::stroke_style* renderer::current_stroke_object() const {
    switch (stroke_style_) {
        case stroke_style::dotted:
            return dotted_stroke_.get();
        case stroke_style::dashed:
            return dashed_stroke_.get();
        default:
            return nullptr;
    }
}

void renderer::fill_rect(const rect& area) {
    if (fill_brush_->color().a == 0.0f) return;
    const auto x = static_cast<float>(area.x);
    const auto y = static_cast<float>(area.y);
    target_->fill_rectangle(
        {x, y, x + widened(area.width, scale_x_), y + widened(area.height, scale_y_)},
        *fill_brush_);
}

void renderer::draw_rect(const rect& area) {
    if (!stroke_visible()) return;
    const float half = stroke_width_ / 2;
    const platform::rect_f edges = edges_of(area);
    target_->set_antialias_mode(antialias_mode::aliased);
    target_->draw_rectangle(
        {edges.left + half, edges.top + half, edges.right - half, edges.bottom - half},
        *stroke_brush_, stroke_width_, current_stroke_object());
    target_->set_antialias_mode(antialias_mode::per_primitive);
}

void renderer::draw_line(const point& from, const point& to) {
    if (!stroke_visible()) return;
    const float half = stroke_width_ / 2;
    const float offset = half - std::trunc(half);
    target_->set_antialias_mode(antialias_mode::aliased);
    target_->draw_line({from.x + offset, from.y + offset}, {to.x + offset, to.y + offset},
                       *stroke_brush_, stroke_width_, current_stroke_object());
    target_->set_antialias_mode(antialias_mode::per_primitive);
}

void renderer::fill_rounded_rect(const rect& area, float radius) {
    if (fill_brush_->color().a == 0.0f) return;
    target_->fill_rounded_rectangle(edges_of(area), radius, radius, *fill_brush_);
}

void renderer::fill_ellipse(const point& center, float radius, const rect& clip) {
    if (fill_brush_->color().a == 0.0f) return;
    const bool clipped = clip != rect{0, 0, 0, 0};
    if (clipped) target_->push_axis_aligned_clip(edges_of(clip), antialias_mode::per_primitive);
    target_->fill_ellipse({static_cast<float>(center.x), static_cast<float>(center.y)}, radius,
                          radius, *fill_brush_);
    if (clipped) target_->pop_axis_aligned_clip();
}

void renderer::fill_vertical_gradient(const rect& area, const color& top, const color& bottom) {
    target_->fill_vertical_gradient(edges_of(area), to_platform(top), to_platform(bottom));
}

std::unique_ptr<platform::text_layout> renderer::make_layout(std::string_view text,
                                                             float max_width, float max_height,
                                                             const std::vector<text_run>& runs,
                                                             text_use use) {
    const std::u16string wide = platform::utf8_to_utf16(text);
    auto layout = write_factory_->create_text_layout(wide, *text_format_, max_width, max_height);
    if (!layout) return nullptr;
    if (use != text_use::measure) target_->set_antialias_mode(antialias_mode::aliased);

    const platform::text_range whole{0, static_cast<uint32_t>(wide.size())};
    layout->set_font_weight(font_weight_, whole);
    layout->set_font_style(font_style_, whole);
    layout->set_font_family(font_family_, whole);
    layout->set_font_size(font_size_, whole);
    if (use == text_use::draw) layout->set_underline(font_underline_, whole);

    for (const text_run& run : runs) {
        const platform::text_range range = run_range(run);
        layout->set_font_weight(direct_write_weight(run.weight), range);
        layout->set_font_style(direct_write_style(run.style), range);
        layout->set_font_family(platform::utf8_to_utf16(run.family), range);
        layout->set_font_size(run.size, range);
        layout->set_underline(run.underline, range);
    }
    return layout;
}

void renderer::draw_text(const rect& area, std::string_view text,
                         const std::vector<text_run>& runs) {
    auto layout = make_layout(text, static_cast<float>(area.width),
                              static_cast<float>(area.height), runs, text_use::draw);
    if (!layout) return;
    for (const text_run& run : runs) {
        if (run.color == color{0, 0, 0, 0}) {
            layout->set_drawing_effect(*text_brush_, run_range(run));
            continue;
        }
        // The layout keeps its own reference to the brush.
        auto brush = target_->create_solid_brush({1, 1, 1, 1});
        if (!brush) continue;
        brush->set_color(to_platform(run.color));
        layout->set_drawing_effect(*brush, run_range(run));
    }
    target_->draw_text_layout({static_cast<float>(area.x), static_cast<float>(area.y)}, *layout,
                              *text_brush_);
    target_->set_antialias_mode(antialias_mode::per_primitive);
}

void renderer::draw_text_clipped(const rect& layout_area, const rect& clip, std::string_view text) {
    auto layout = make_layout(text, static_cast<float>(layout_area.width),
                              static_cast<float>(layout_area.height), {}, text_use::clipped);
    if (!layout) return;
    target_->push_axis_aligned_clip(edges_of(clip), antialias_mode::aliased);
    target_->draw_text_layout(
        {static_cast<float>(layout_area.x), static_cast<float>(layout_area.y)}, *layout,
        *text_brush_);
    target_->pop_axis_aligned_clip();
    target_->set_antialias_mode(antialias_mode::per_primitive);
}

size renderer::measure_text(std::string_view text, const size& max,
                            const std::vector<text_run>& runs) {
    const float width = max.width == 0 ? FLT_MAX : static_cast<float>(max.width);
    const float height = max.height == 0 ? FLT_MAX : static_cast<float>(max.height);
    auto layout = make_layout(text, width, height, runs, text_use::measure);
    if (!layout) return {0, 0};
    const auto metrics = layout->metrics();
    if (!metrics) return {0, 0};
    return {static_cast<int32_t>(std::trunc(metrics->width_including_trailing_whitespace + 1.0f)),
            static_cast<int32_t>(std::trunc(metrics->height + 1.0f))};
}

// One layout serves every range: laying out a long text, such as a license, costs DirectWrite
// tens of milliseconds each time.
std::vector<rect> renderer::text_range_bounds(std::string_view text,
                                              const std::vector<character_range>& ranges,
                                              const size& layout_size,
                                              const std::vector<text_run>& runs) {
    std::vector<rect> found(ranges.size(), rect{0, 0, 0, 0});
    if (ranges.empty()) return found;
    auto layout = make_layout(text, static_cast<float>(layout_size.width),
                              static_cast<float>(layout_size.height), runs, text_use::measure);
    if (!layout) return found;
    for (size_t i = 0; i < ranges.size(); ++i) {
        const character_range& range = ranges[i];
        if (range.end > range.start) {
            found[i] = box_around(layout->hit_test_range({range.start, range.end - range.start}));
        }
    }
    return found;
}

}  // namespace pelsdk::ui
