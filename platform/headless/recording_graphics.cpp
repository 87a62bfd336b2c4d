#include "platform/headless/recording_graphics.h"

#include <algorithm>
#include <cmath>

namespace pelsdk::platform {

namespace {

using failure = recording_graphics::failure;

class recording_brush final : public solid_brush {
public:
    explicit recording_brush(const color_f& color) : color_(color) {}
    void set_color(const color_f& color) override { color_ = color; }
    color_f color() const override { return color_; }

private:
    color_f color_;
};

class recording_stroke final : public stroke_style {
public:
    explicit recording_stroke(std::vector<float> dashes) : dashes_(std::move(dashes)) {}
    std::vector<float> dashes() const override { return dashes_; }

private:
    std::vector<float> dashes_;
};

class recording_format final : public text_format {
public:
    void set_text_alignment(text_alignment alignment) override { this->alignment = alignment; }
    void set_paragraph_alignment(paragraph_alignment alignment) override { paragraph = alignment; }

    text_alignment alignment = text_alignment::leading;
    paragraph_alignment paragraph = paragraph_alignment::near_edge;
};

struct laid_line {
    uint32_t start, end;  // units, end exclusive
    float top, height;
};

class recording_layout final : public text_layout {
public:
    recording_layout(std::u16string text, const recording_format& format, float max_width,
                     float max_height)
        : text_(std::move(text)), format_(format), max_width_(max_width),
          max_height_(max_height), sizes_(text_.size(), 12.0f) {}

    void set_font_weight(int32_t weight, text_range range) override {
        formats_.push_back({"weight", range, static_cast<float>(weight), {}, {}});
    }
    void set_font_style(int32_t style, text_range range) override {
        formats_.push_back({"style", range, static_cast<float>(style), {}, {}});
    }
    void set_font_family(const std::u16string& family, text_range range) override {
        formats_.push_back({"family", range, 0, family, {}});
    }
    void set_font_size(float size, text_range range) override {
        formats_.push_back({"size", range, size, {}, {}});
        for (uint32_t i = range.start; i < std::min<size_t>(range.start + range.length, sizes_.size()); ++i) {
            sizes_[i] = size;
        }
    }
    void set_underline(bool underline, text_range range) override {
        formats_.push_back({"underline", range, underline ? 1.0f : 0.0f, {}, {}});
    }
    void set_drawing_effect(solid_brush& brush, text_range range) override {
        formats_.push_back({"effect", range, brush.color().a, {}, brush.color()});
    }

    std::optional<text_metrics> metrics() override {
        float width = 0, height = 0;
        for (const laid_line& line : lines()) {
            width = std::max(width, advance(line.start, line.end));
            height = line.top + line.height;
        }
        return text_metrics{width, height};
    }

    std::vector<hit_test_box> hit_test_range(text_range range) override {
        std::vector<hit_test_box> boxes;
        const uint32_t end = range.start + range.length;
        for (const laid_line& line : lines()) {
            const uint32_t from = std::max(line.start, range.start);
            const uint32_t to = std::min(line.end, end);
            if (from >= to) continue;
            boxes.push_back({advance(line.start, from), line.top, advance(from, to), line.height});
        }
        return boxes;
    }

    recorded_primitive record() const {
        recorded_primitive primitive;
        primitive.kind = "draw_text";
        primitive.text = text_;
        primitive.max_width = max_width_;
        primitive.max_height = max_height_;
        primitive.formats = formats_;
        primitive.alignment = format_.alignment;
        primitive.paragraph = format_.paragraph;
        return primitive;
    }

private:
    float advance(uint32_t from, uint32_t to) const {
        float width = 0;
        for (uint32_t i = from; i < to; ++i) width += sizes_[i] * 0.5f;
        return width;
    }

    // An empty line is as high as the text next to it, or as the format's 12 without text.
    float line_height(uint32_t from, uint32_t to) const {
        if (from == to) {
            const float size = sizes_.empty() ? 12.0f : sizes_[std::min<size_t>(from, sizes_.size() - 1)];
            return std::round(1.2f * size);
        }
        float largest = 0;
        for (uint32_t i = from; i < to; ++i) largest = std::max(largest, sizes_[i]);
        return std::round(1.2f * largest);
    }

    // Greedy wrapping: a word that would pass the maximum width starts a new line.
    std::vector<laid_line> lines() const {
        std::vector<laid_line> result;
        uint32_t start = 0;
        float top = 0;
        auto close = [&](uint32_t end) {
            const float height = line_height(start, end);
            result.push_back({start, end, top, height});
            top += height;
            start = end;
        };
        uint32_t i = 0;
        const auto size = static_cast<uint32_t>(text_.size());
        while (i < size) {
            if (text_[i] == u'\n') {
                close(i);
                start = ++i;
                continue;
            }
            uint32_t word_end = i;
            while (word_end < size && text_[word_end] != u' ' && text_[word_end] != u'\n') ++word_end;
            while (word_end < size && text_[word_end] == u' ') ++word_end;
            if (i > start && advance(start, word_end) > max_width_) close(i);
            i = word_end;
        }
        close(size);
        return result;
    }

    std::u16string text_;
    const recording_format& format_;
    float max_width_, max_height_;
    std::vector<float> sizes_;
    std::vector<recorded_format> formats_;
};

class recording_bitmap final : public bitmap {
public:
    recording_bitmap(recording_graphics& graphics, const pixel_view& pixels) : graphics_(graphics) {
        ++graphics_.live_bitmaps;
        copy(pixels.data, pixels.stride, pixels.width, pixels.height);
    }
    ~recording_bitmap() override { --graphics_.live_bitmaps; }

    bool copy_from_memory(const uint8_t* data, uint32_t stride) override {
        if (graphics_.fails == failure::bitmap_update) return false;
        copy(data, stride, width, height);
        return true;
    }

    std::vector<uint8_t> pixels;
    uint32_t width = 0, height = 0;

private:
    void copy(const uint8_t* data, uint32_t stride, uint32_t w, uint32_t h) {
        width = w;
        height = h;
        pixels.assign(data, data + static_cast<size_t>(stride) * h);
    }
    recording_graphics& graphics_;
};

rect_f apply(const matrix_f& m, const rect_f& r) {
    return {r.left * m.m11 + r.top * m.m21 + m.m31, r.left * m.m12 + r.top * m.m22 + m.m32,
            r.right * m.m11 + r.bottom * m.m21 + m.m31, r.right * m.m12 + r.bottom * m.m22 + m.m32};
}

class recording_target final : public render_target {
public:
    explicit recording_target(recording_graphics& graphics) : graphics_(graphics) {}

    void begin_paint() override { graphics_.calls.push_back("begin_paint"); }
    void end_paint() override { graphics_.calls.push_back("end_paint"); }
    void begin_draw() override { graphics_.calls.push_back("begin_draw"); }
    void end_draw() override { graphics_.calls.push_back("end_draw"); }
    void set_dpi(float x, float y) override {
        graphics_.calls.push_back("set_dpi " + std::to_string(x) + " " + std::to_string(y));
    }
    void resize(uint32_t w, uint32_t h) override {
        graphics_.calls.push_back("resize " + std::to_string(w) + " " + std::to_string(h));
    }
    void set_antialias_mode(antialias_mode mode) override { antialias_ = mode; }
    void set_transform(const matrix_f& transform) override { transform_ = transform; }
    void push_axis_aligned_clip(const rect_f& clip, antialias_mode mode) override {
        clips_.push_back({apply(transform_, clip), mode});
    }
    void pop_axis_aligned_clip() override { clips_.pop_back(); }

    std::unique_ptr<solid_brush> create_solid_brush(const color_f& color) override {
        if (graphics_.fails == failure::brush) return nullptr;
        return std::make_unique<recording_brush>(color);
    }
    void fill_rectangle(const rect_f& rect, solid_brush& brush) override {
        add("fill_rectangle", rect, brush.color());
    }
    void draw_rectangle(const rect_f& rect, solid_brush& brush, float width,
                        const stroke_style* style) override {
        add("draw_rectangle", rect, brush.color(), width, style);
    }
    void draw_line(const point_f& from, const point_f& to, solid_brush& brush, float width,
                   const stroke_style* style) override {
        add("draw_line", {from.x, from.y, to.x, to.y}, brush.color(), width, style);
    }
    void fill_rounded_rectangle(const rect_f& rect, float radius_x, float,
                                solid_brush& brush) override {
        add("fill_rounded_rectangle", rect, brush.color(), radius_x);
    }
    void fill_ellipse(const point_f& c, float radius_x, float radius_y,
                      solid_brush& brush) override {
        add("fill_ellipse", {c.x - radius_x, c.y - radius_y, c.x + radius_x, c.y + radius_y},
            brush.color(), radius_x);
    }
    void fill_vertical_gradient(const rect_f& rect, const color_f& top,
                                const color_f& bottom) override {
        add("fill_vertical_gradient", rect, top).color2 = bottom;
    }
    void draw_text_layout(const point_f& origin, text_layout& layout,
                          solid_brush& default_brush) override {
        recorded_primitive primitive = static_cast<recording_layout&>(layout).record();
        const rect_f box{origin.x, origin.y, origin.x + primitive.max_width,
                         origin.y + primitive.max_height};
        decorate(primitive, box, default_brush.color());
        graphics_.primitives.push_back(std::move(primitive));
    }

    std::unique_ptr<bitmap> create_bitmap(const pixel_view& pixels, bitmap_error& error) override {
        if (graphics_.fails == failure::bitmap_from_pixels) {
            error = bitmap_error::from_pixels;
            return nullptr;
        }
        if (graphics_.fails == failure::shared_bitmap) {
            error = bitmap_error::shared;
            return nullptr;
        }
        return std::make_unique<recording_bitmap>(graphics_, pixels);
    }
    void draw_bitmap(bitmap&, const rect_f& destination, float opacity,
                     const std::optional<rect_f>& source) override {
        recorded_primitive& primitive = add("draw_bitmap", destination, {1, 1, 1, 1});
        primitive.opacity = opacity;
        primitive.has_source = source.has_value();
        primitive.source = source.value_or(rect_f{});
    }

private:
    void decorate(recorded_primitive& primitive, const rect_f& local, const color_f& color) {
        primitive.local = local;
        primitive.geometry = apply(transform_, local);
        primitive.transform = transform_;
        primitive.clips = clips_;
        primitive.antialias = antialias_;
        primitive.color = color;
    }

    recorded_primitive& add(const std::string& kind, const rect_f& local, const color_f& color,
                            float width = 0, const stroke_style* style = nullptr) {
        recorded_primitive primitive;
        primitive.kind = kind;
        primitive.width = width;
        if (style != nullptr) primitive.dashes = style->dashes();
        decorate(primitive, local, color);
        graphics_.primitives.push_back(std::move(primitive));
        return graphics_.primitives.back();
    }

    recording_graphics& graphics_;
    antialias_mode antialias_ = antialias_mode::per_primitive;
    matrix_f transform_{1, 0, 0, 1, 0, 0};
    std::vector<std::pair<rect_f, antialias_mode>> clips_;
};

class recording_drawing_factory final : public drawing_factory {
public:
    explicit recording_drawing_factory(recording_graphics& graphics) : graphics_(graphics) {}
    std::unique_ptr<render_target> create_window_target(void*) override {
        if (graphics_.fails == failure::window_target) return nullptr;
        return std::make_unique<recording_target>(graphics_);
    }
    std::unique_ptr<stroke_style> create_stroke_style(const std::vector<float>& dashes) override {
        if (graphics_.fails == failure::stroke_style) return nullptr;
        return std::make_unique<recording_stroke>(dashes);
    }

private:
    recording_graphics& graphics_;
};

class recording_writing_factory final : public writing_factory {
public:
    explicit recording_writing_factory(recording_graphics& graphics) : graphics_(graphics) {}
    std::unique_ptr<text_format> create_text_format() override {
        if (graphics_.fails == failure::text_format) return nullptr;
        return std::make_unique<recording_format>();
    }
    std::unique_ptr<text_layout> create_text_layout(const std::u16string& text,
                                                    text_format& format, float max_width,
                                                    float max_height) override {
        if (graphics_.fails == failure::text_layout) return nullptr;
        return std::make_unique<recording_layout>(text, static_cast<recording_format&>(format),
                                                  max_width, max_height);
    }

private:
    recording_graphics& graphics_;
};

}  // namespace

std::unique_ptr<drawing_factory> recording_graphics::create_drawing_factory() {
    if (fails == failure::drawing_factory) return nullptr;
    return std::make_unique<recording_drawing_factory>(*this);
}

std::unique_ptr<writing_factory> recording_graphics::create_writing_factory() {
    if (fails == failure::writing_factory) return nullptr;
    return std::make_unique<recording_writing_factory>(*this);
}

}  // namespace pelsdk::platform
