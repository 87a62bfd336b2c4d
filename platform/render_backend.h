#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Drawing, shaped after Direct2D and DirectWrite: the renderer makes these calls in the order
// and with the arguments that it would make to Direct2D. The Win32 implementation forwards
// them; the headless one records them.
namespace pelsdk::platform {

struct color_f {
    float r, g, b, a;
    friend bool operator==(const color_f&, const color_f&) = default;
};
struct rect_f {
    float left, top, right, bottom;
    friend bool operator==(const rect_f&, const rect_f&) = default;
};
struct point_f {
    float x, y;
    friend bool operator==(const point_f&, const point_f&) = default;
};
// Direct2D's 3 x 2 layout.
struct matrix_f {
    float m11, m12, m21, m22, m31, m32;
    friend bool operator==(const matrix_f&, const matrix_f&) = default;
};

enum class antialias_mode { per_primitive, aliased };
// DirectWrite's values.
enum class text_alignment { leading = 0, trailing = 1, center = 2 };
enum class paragraph_alignment { near_edge = 0, far_edge = 1, center = 2 };
inline constexpr int32_t kFontWeightLight = 300;
inline constexpr int32_t kFontWeightNormal = 400;
inline constexpr int32_t kFontWeightBold = 700;
inline constexpr int32_t kFontStyleNormal = 0;
inline constexpr int32_t kFontStyleItalic = 2;

class solid_brush {
public:
    virtual ~solid_brush() = default;
    virtual void set_color(const color_f& color) = 0;
    virtual color_f color() const = 0;
};

// A dash pattern; the pattern is kept for the recording backend and for tests.
class stroke_style {
public:
    virtual ~stroke_style() = default;
    virtual std::vector<float> dashes() const = 0;
};

class text_format {
public:
    virtual ~text_format() = default;
    virtual void set_text_alignment(text_alignment alignment) = 0;
    virtual void set_paragraph_alignment(paragraph_alignment alignment) = 0;
};

struct text_range {
    uint32_t start;
    uint32_t length;
};
struct text_metrics {
    float width_including_trailing_whitespace;
    float height;
};
struct hit_test_box {
    float left, top, width, height;
};

// Text with its formatting, laid out in a maximum box. Ranges count UTF-16 code units.
class text_layout {
public:
    virtual ~text_layout() = default;
    virtual void set_font_weight(int32_t weight, text_range range) = 0;
    virtual void set_font_style(int32_t style, text_range range) = 0;
    virtual void set_font_family(const std::u16string& family, text_range range) = 0;
    virtual void set_font_size(float size, text_range range) = 0;
    virtual void set_underline(bool underline, text_range range) = 0;
    virtual void set_drawing_effect(solid_brush& brush, text_range range) = 0;
    virtual std::optional<text_metrics> metrics() = 0;
    virtual std::vector<hit_test_box> hit_test_range(text_range range) = 0;
};

// A bitmap made on one render target from 32-bit premultiplied BGRA pixels.
class bitmap {
public:
    virtual ~bitmap() = default;
    // Replaces the pixels of {0, 0, width, height}; false on failure.
    virtual bool copy_from_memory(const uint8_t* pixels, uint32_t stride) = 0;
};

struct pixel_view {
    const uint8_t* data;
    uint32_t stride;
    uint32_t width;
    uint32_t height;
};

class render_target {
public:
    virtual ~render_target() = default;

    // BeginPaint and EndPaint of the window; BeginDraw and EndDraw of the target.
    virtual void begin_paint() = 0;
    virtual void end_paint() = 0;
    virtual void begin_draw() = 0;
    virtual void end_draw() = 0;

    virtual void set_dpi(float dpi_x, float dpi_y) = 0;
    virtual void resize(uint32_t pixel_width, uint32_t pixel_height) = 0;
    virtual void set_antialias_mode(antialias_mode mode) = 0;
    virtual void set_transform(const matrix_f& transform) = 0;
    virtual void push_axis_aligned_clip(const rect_f& clip, antialias_mode mode) = 0;
    virtual void pop_axis_aligned_clip() = 0;

    virtual std::unique_ptr<solid_brush> create_solid_brush(const color_f& color) = 0;
    virtual void fill_rectangle(const rect_f& rect, solid_brush& brush) = 0;
    virtual void draw_rectangle(const rect_f& rect, solid_brush& brush, float width,
                                const stroke_style* style) = 0;
    virtual void draw_line(const point_f& from, const point_f& to, solid_brush& brush,
                           float width, const stroke_style* style) = 0;
    virtual void fill_rounded_rectangle(const rect_f& rect, float radius_x, float radius_y,
                                        solid_brush& brush) = 0;
    virtual void fill_ellipse(const point_f& center, float radius_x, float radius_y,
                              solid_brush& brush) = 0;
    // A linear gradient from (0, rect.top) to (0, rect.bottom) with gamma 2.2 and clamped ends,
    // made for this one fill. Draws nothing when the gradient cannot be made.
    virtual void fill_vertical_gradient(const rect_f& rect, const color_f& top,
                                        const color_f& bottom) = 0;
    virtual void draw_text_layout(const point_f& origin, text_layout& layout,
                                  solid_brush& default_brush) = 0;

    // CreateBitmapFromWicBitmap then CreateSharedBitmap; null on failure, with the failing
    // step in the error.
    enum class bitmap_error { none, from_pixels, shared };
    virtual std::unique_ptr<bitmap> create_bitmap(const pixel_view& pixels,
                                                  bitmap_error& error) = 0;
    // Linear interpolation; source in pixels, or the whole bitmap.
    virtual void draw_bitmap(bitmap& image, const rect_f& destination, float opacity,
                             const std::optional<rect_f>& source) = 0;
};

// The Direct2D factory of one renderer.
class drawing_factory {
public:
    virtual ~drawing_factory() = default;
    // CreateHwndRenderTarget with the window's client size.
    virtual std::unique_ptr<render_target> create_window_target(void* native_window) = 0;
    virtual std::unique_ptr<stroke_style> create_stroke_style(const std::vector<float>& dashes) = 0;
};

// The shared DirectWrite factory.
class writing_factory {
public:
    virtual ~writing_factory() = default;
    // Family "Verdana", system fonts, weight 400, normal style and stretch, size 12, "en-us".
    virtual std::unique_ptr<text_format> create_text_format() = 0;
    virtual std::unique_ptr<text_layout> create_text_layout(const std::u16string& text,
                                                            text_format& format, float max_width,
                                                            float max_height) = 0;
};

class graphics_system {
public:
    virtual ~graphics_system() = default;
    // D2D1CreateFactory, single-threaded, no debug layer.
    virtual std::unique_ptr<drawing_factory> create_drawing_factory() = 0;
    // DWriteCreateFactory, shared.
    virtual std::unique_ptr<writing_factory> create_writing_factory() = 0;
};

}  // namespace pelsdk::platform
