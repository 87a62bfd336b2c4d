#include "platform/win32/d2d_graphics.h"

#include <d2d1.h>
#include <dwrite.h>
#include <wincodec.h>
#include <windows.h>

#include <algorithm>
#include <cfloat>

#include "platform/win32/com_ptr.h"
#include "platform/win32/dwrite_cluster_boxes.h"
#include "platform/win32/system_library.h"

namespace pelsdk::platform {

namespace {

D2D1_COLOR_F to_d2d(const color_f& c) { return {c.r, c.g, c.b, c.a}; }
D2D1_RECT_F to_d2d(const rect_f& r) { return {r.left, r.top, r.right, r.bottom}; }

// The axis-aligned box that a rectangle covers once transformed.
D2D1_RECT_F covered_box(const D2D1_RECT_F& r, const D2D1_MATRIX_3X2_F& m) {
    D2D1_RECT_F box{FLT_MAX, FLT_MAX, -FLT_MAX, -FLT_MAX};
    for (const float x : {r.left, r.right}) {
        for (const float y : {r.top, r.bottom}) {
            const float tx = x * m._11 + y * m._21 + m._31, ty = x * m._12 + y * m._22 + m._32;
            box = {std::min(box.left, tx), std::min(box.top, ty), std::max(box.right, tx),
                   std::max(box.bottom, ty)};
        }
    }
    return box;
}
D2D1_POINT_2F to_d2d(const point_f& p) { return {p.x, p.y}; }
DWRITE_TEXT_RANGE to_dwrite(text_range r) { return {r.start, r.length}; }

D2D1_ANTIALIAS_MODE to_d2d(antialias_mode mode) {
    return mode == antialias_mode::aliased ? D2D1_ANTIALIAS_MODE_ALIASED
                                           : D2D1_ANTIALIAS_MODE_PER_PRIMITIVE;
}

const WCHAR* wide(const std::u16string& text) { return reinterpret_cast<const WCHAR*>(text.c_str()); }

com_ptr<IWICImagingFactory> make_imaging_factory() {
    com_ptr<IWICImagingFactory> factory;
    CoCreateInstance(CLSID_WICImagingFactory2, nullptr, CLSCTX_INPROC_SERVER,
                     __uuidof(IWICImagingFactory), factory.out_void());
    return factory;
}

class d2d_brush final : public solid_brush {
public:
    explicit d2d_brush(com_ptr<ID2D1SolidColorBrush> brush) : brush_(std::move(brush)) {}
    void set_color(const color_f& color) override {
        const D2D1_COLOR_F c = to_d2d(color);
        brush_->SetColor(&c);
    }
    color_f color() const override {
        const D2D1_COLOR_F c = brush_->GetColor();
        return {c.r, c.g, c.b, c.a};
    }
    ID2D1SolidColorBrush* get() const { return brush_.get(); }

private:
    com_ptr<ID2D1SolidColorBrush> brush_;
};

ID2D1SolidColorBrush* native(solid_brush& brush) { return static_cast<d2d_brush&>(brush).get(); }

class d2d_stroke final : public stroke_style {
public:
    d2d_stroke(com_ptr<ID2D1StrokeStyle> style, std::vector<float> dashes)
        : style_(std::move(style)), dashes_(std::move(dashes)) {}
    std::vector<float> dashes() const override { return dashes_; }
    ID2D1StrokeStyle* get() const { return style_.get(); }

private:
    com_ptr<ID2D1StrokeStyle> style_;
    std::vector<float> dashes_;
};

ID2D1StrokeStyle* native(const stroke_style* style) {
    return style == nullptr ? nullptr : static_cast<const d2d_stroke*>(style)->get();
}

class dwrite_format final : public text_format {
public:
    explicit dwrite_format(com_ptr<IDWriteTextFormat> format) : format_(std::move(format)) {}
    void set_text_alignment(text_alignment alignment) override {
        format_->SetTextAlignment(static_cast<DWRITE_TEXT_ALIGNMENT>(alignment));
    }
    void set_paragraph_alignment(paragraph_alignment alignment) override {
        format_->SetParagraphAlignment(static_cast<DWRITE_PARAGRAPH_ALIGNMENT>(alignment));
    }
    IDWriteTextFormat* get() const { return format_.get(); }

private:
    com_ptr<IDWriteTextFormat> format_;
};

class dwrite_layout final : public text_layout {
public:
    explicit dwrite_layout(com_ptr<IDWriteTextLayout> layout) : layout_(std::move(layout)) {}

    void set_font_weight(int32_t weight, text_range range) override {
        layout_->SetFontWeight(static_cast<DWRITE_FONT_WEIGHT>(weight), to_dwrite(range));
    }
    void set_font_style(int32_t style, text_range range) override {
        layout_->SetFontStyle(static_cast<DWRITE_FONT_STYLE>(style), to_dwrite(range));
    }
    void set_font_family(const std::u16string& family, text_range range) override {
        layout_->SetFontFamilyName(wide(family), to_dwrite(range));
    }
    void set_font_size(float size, text_range range) override {
        layout_->SetFontSize(size, to_dwrite(range));
    }
    void set_underline(bool underline, text_range range) override {
        layout_->SetUnderline(underline ? TRUE : FALSE, to_dwrite(range));
    }
    void set_drawing_effect(solid_brush& brush, text_range range) override {
        layout_->SetDrawingEffect(native(brush), to_dwrite(range));
    }
    std::optional<text_metrics> metrics() override {
        DWRITE_TEXT_METRICS metrics{};
        if (FAILED(layout_->GetMetrics(&metrics))) return std::nullopt;
        return text_metrics{metrics.widthIncludingTrailingWhitespace, metrics.height};
    }
    // Asked twice: once for the count, then with room for that many boxes.
    std::vector<hit_test_box> hit_test_range(text_range range) override {
        UINT32 count = 0;
        const HRESULT asked =
            layout_->HitTestTextRange(range.start, range.length, 0, 0, nullptr, 0, &count);
        if (asked == E_NOTIMPL) return cluster_boxes(*layout_.get(), range);
        std::vector<DWRITE_HIT_TEST_METRICS> found(count);
        if (count == 0 || FAILED(layout_->HitTestTextRange(range.start, range.length, 0, 0,
                                                            found.data(), count, &count))) {
            return {};
        }
        std::vector<hit_test_box> boxes;
        for (UINT32 i = 0; i < count; ++i) {
            boxes.push_back({found[i].left, found[i].top, found[i].width, found[i].height});
        }
        return boxes;
    }
    IDWriteTextLayout* get() const { return layout_.get(); }

private:
    com_ptr<IDWriteTextLayout> layout_;
};

class d2d_bitmap final : public bitmap {
public:
    d2d_bitmap(com_ptr<ID2D1Bitmap> bitmap, uint32_t width, uint32_t height)
        : bitmap_(std::move(bitmap)), width_(width), height_(height) {}
    bool copy_from_memory(const uint8_t* pixels, uint32_t stride) override {
        const D2D1_RECT_U area{0, 0, width_, height_};
        return SUCCEEDED(bitmap_->CopyFromMemory(&area, pixels, stride));
    }
    ID2D1Bitmap* get() const { return bitmap_.get(); }

private:
    com_ptr<ID2D1Bitmap> bitmap_;
    uint32_t width_, height_;
};

class d2d_target final : public render_target {
public:
    // A window target, or (hwnd null) a target that draws into a bitmap.
    d2d_target(com_ptr<ID2D1RenderTarget> target, com_ptr<ID2D1HwndRenderTarget> window_target,
               HWND hwnd)
        : target_(std::move(target)), window_target_(std::move(window_target)), hwnd_(hwnd) {}

    void begin_paint() override {
        if (hwnd_ != nullptr) BeginPaint(hwnd_, &paint_);
    }
    void end_paint() override {
        if (hwnd_ != nullptr) EndPaint(hwnd_, &paint_);
    }
    void begin_draw() override { target_->BeginDraw(); }
    // The result is not examined: a lost device is not recreated.
    void end_draw() override { target_->EndDraw(nullptr, nullptr); }
    void set_dpi(float dpi_x, float dpi_y) override { target_->SetDpi(dpi_x, dpi_y); }
    void resize(uint32_t width, uint32_t height) override {
        const D2D1_SIZE_U size{width, height};
        if (window_target_) window_target_->Resize(&size);
    }
    void set_antialias_mode(antialias_mode mode) override {
        target_->SetAntialiasMode(to_d2d(mode));
    }
    void set_transform(const matrix_f& m) override {
        const D2D1_MATRIX_3X2_F matrix{{{m.m11, m.m12, m.m21, m.m22, m.m31, m.m32}}};
        target_->SetTransform(&matrix);
    }
    // Wine applies the target's DPI to a clip before the transform instead of after it, which
    // misplaces every clip pushed under a translation at other than 96 DPI (each widget's own
    // clip), so that the widget is not drawn. The clip goes in as the box it covers in the window,
    // under the identity, where Direct2D gives the same region and Wine places it right.
    void push_axis_aligned_clip(const rect_f& clip, antialias_mode mode) override {
        D2D1_MATRIX_3X2_F transform;
        target_->GetTransform(&transform);
        const D2D1_RECT_F area = covered_box(to_d2d(clip), transform);
        const D2D1_MATRIX_3X2_F identity{{{1, 0, 0, 1, 0, 0}}};
        target_->SetTransform(&identity);
        target_->PushAxisAlignedClip(&area, to_d2d(mode));
        target_->SetTransform(&transform);
    }
    void pop_axis_aligned_clip() override { target_->PopAxisAlignedClip(); }

    std::unique_ptr<solid_brush> create_solid_brush(const color_f& color) override {
        const D2D1_COLOR_F c = to_d2d(color);
        com_ptr<ID2D1SolidColorBrush> brush;
        if (FAILED(target_->CreateSolidColorBrush(&c, nullptr, brush.out()))) return nullptr;
        return std::make_unique<d2d_brush>(std::move(brush));
    }
    void fill_rectangle(const rect_f& rect, solid_brush& brush) override {
        const D2D1_RECT_F area = to_d2d(rect);
        target_->FillRectangle(&area, native(brush));
    }
    void draw_rectangle(const rect_f& rect, solid_brush& brush, float width,
                        const stroke_style* style) override {
        const D2D1_RECT_F area = to_d2d(rect);
        target_->DrawRectangle(&area, native(brush), width, native(style));
    }
    void draw_line(const point_f& from, const point_f& to, solid_brush& brush, float width,
                   const stroke_style* style) override {
        target_->DrawLine(to_d2d(from), to_d2d(to), native(brush), width, native(style));
    }
    void fill_rounded_rectangle(const rect_f& rect, float rx, float ry,
                                solid_brush& brush) override {
        const D2D1_ROUNDED_RECT rounded{to_d2d(rect), rx, ry};
        target_->FillRoundedRectangle(&rounded, native(brush));
    }
    void fill_ellipse(const point_f& center, float rx, float ry, solid_brush& brush) override {
        const D2D1_ELLIPSE ellipse{to_d2d(center), rx, ry};
        target_->FillEllipse(&ellipse, native(brush));
    }
    void fill_vertical_gradient(const rect_f& rect, const color_f& top,
                                const color_f& bottom) override {
        const D2D1_GRADIENT_STOP stops[2] = {{0.0f, to_d2d(top)}, {1.0f, to_d2d(bottom)}};
        com_ptr<ID2D1GradientStopCollection> collection;
        if (FAILED(target_->CreateGradientStopCollection(stops, 2, D2D1_GAMMA_2_2,
                                                         D2D1_EXTEND_MODE_CLAMP,
                                                         collection.out()))) {
            return;
        }
        const D2D1_LINEAR_GRADIENT_BRUSH_PROPERTIES line{{0, rect.top}, {0, rect.bottom}};
        com_ptr<ID2D1LinearGradientBrush> brush;
        if (FAILED(target_->CreateLinearGradientBrush(&line, nullptr, collection.get(),
                                                      brush.out()))) {
            return;
        }
        const D2D1_RECT_F area = to_d2d(rect);
        target_->FillRectangle(&area, brush.get());
    }
    void draw_text_layout(const point_f& origin, text_layout& layout,
                          solid_brush& default_brush) override {
        target_->DrawTextLayout(to_d2d(origin), static_cast<dwrite_layout&>(layout).get(),
                                native(default_brush), D2D1_DRAW_TEXT_OPTIONS_NONE);
    }

    std::unique_ptr<bitmap> create_bitmap(const pixel_view& pixels, bitmap_error& error) override {
        error = bitmap_error::from_pixels;
        if (!imaging_) imaging_ = make_imaging_factory();
        com_ptr<IWICBitmap> source;
        if (!imaging_ ||
            FAILED(imaging_->CreateBitmapFromMemory(
                pixels.width, pixels.height, GUID_WICPixelFormat32bppPBGRA, pixels.stride,
                pixels.stride * pixels.height, const_cast<BYTE*>(pixels.data), source.out()))) {
            return nullptr;
        }
        // At 96 DPI a picture's pixels are its dips, so that source rectangles (a frame of a
        // strip) name pixels; left to itself Wine gives a bitmap the target's DPI instead, and
        // at 150 % each frame would be cut from the wrong place.
        const D2D1_BITMAP_PROPERTIES properties{
            {DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_PREMULTIPLIED}, 96.0f, 96.0f};
        com_ptr<ID2D1Bitmap> first;
        if (FAILED(target_->CreateBitmapFromWicBitmap(source.get(), &properties, first.out()))) {
            return nullptr;
        }
        error = bitmap_error::shared;
        com_ptr<ID2D1Bitmap> shared;
        if (FAILED(target_->CreateSharedBitmap(__uuidof(ID2D1Bitmap), first.get(), nullptr,
                                               shared.out()))) {
            return nullptr;
        }
        error = bitmap_error::none;
        return std::make_unique<d2d_bitmap>(std::move(shared), pixels.width, pixels.height);
    }
    void draw_bitmap(bitmap& image, const rect_f& destination, float opacity,
                     const std::optional<rect_f>& source) override {
        const D2D1_RECT_F to = to_d2d(destination);
        const D2D1_RECT_F from = to_d2d(source.value_or(rect_f{}));
        target_->DrawBitmap(static_cast<d2d_bitmap&>(image).get(), &to, opacity,
                            D2D1_BITMAP_INTERPOLATION_MODE_LINEAR, source ? &from : nullptr);
    }

private:
    com_ptr<ID2D1RenderTarget> target_;
    com_ptr<ID2D1HwndRenderTarget> window_target_;
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    com_ptr<IWICImagingFactory> imaging_;
};

D2D1_RENDER_TARGET_PROPERTIES default_target_properties() {
    return {D2D1_RENDER_TARGET_TYPE_DEFAULT, {DXGI_FORMAT_UNKNOWN, D2D1_ALPHA_MODE_UNKNOWN}, 0, 0,
            D2D1_RENDER_TARGET_USAGE_NONE, D2D1_FEATURE_LEVEL_DEFAULT};
}

class d2d_factory final : public drawing_factory {
public:
    d2d_factory(com_ptr<ID2D1Factory> factory, IWICBitmap* surface)
        : factory_(std::move(factory)), surface_(surface) {}

    std::unique_ptr<render_target> create_window_target(void* native_window) override {
        return surface_ != nullptr ? bitmap_target() : window_target(static_cast<HWND>(native_window));
    }

    std::unique_ptr<stroke_style> create_stroke_style(const std::vector<float>& dashes) override {
        const D2D1_STROKE_STYLE_PROPERTIES properties{
            D2D1_CAP_STYLE_FLAT,     D2D1_CAP_STYLE_FLAT, D2D1_CAP_STYLE_FLAT,
            D2D1_LINE_JOIN_MITER,    10.0f,               D2D1_DASH_STYLE_CUSTOM,
            0.0f};
        com_ptr<ID2D1StrokeStyle> style;
        if (FAILED(factory_->CreateStrokeStyle(&properties, dashes.data(),
                                               static_cast<UINT>(dashes.size()), style.out()))) {
            return nullptr;
        }
        return std::make_unique<d2d_stroke>(std::move(style), dashes);
    }

private:
    std::unique_ptr<render_target> window_target(HWND hwnd) {
        RECT client{};
        GetClientRect(hwnd, &client);
        const D2D1_RENDER_TARGET_PROPERTIES properties = default_target_properties();
        const D2D1_HWND_RENDER_TARGET_PROPERTIES window{
            hwnd, {static_cast<UINT32>(client.right), static_cast<UINT32>(client.bottom)},
            D2D1_PRESENT_OPTIONS_NONE};
        com_ptr<ID2D1HwndRenderTarget> target;
        if (FAILED(factory_->CreateHwndRenderTarget(&properties, &window, target.out()))) {
            return nullptr;
        }
        com_ptr<ID2D1RenderTarget> base(target.get());
        base.get()->AddRef();
        return std::make_unique<d2d_target>(std::move(base), std::move(target), hwnd);
    }

    std::unique_ptr<render_target> bitmap_target() {
        D2D1_RENDER_TARGET_PROPERTIES properties = default_target_properties();
        properties.pixelFormat = {DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_PREMULTIPLIED};
        com_ptr<ID2D1RenderTarget> target;
        if (FAILED(factory_->CreateWicBitmapRenderTarget(surface_, &properties, target.out()))) {
            return nullptr;
        }
        return std::make_unique<d2d_target>(std::move(target), com_ptr<ID2D1HwndRenderTarget>(),
                                            nullptr);
    }

    com_ptr<ID2D1Factory> factory_;
    IWICBitmap* surface_;
};

class dwrite_factory final : public writing_factory {
public:
    explicit dwrite_factory(com_ptr<IDWriteFactory> factory) : factory_(std::move(factory)) {}

    std::unique_ptr<text_format> create_text_format() override {
        com_ptr<IDWriteTextFormat> format;
        if (FAILED(factory_->CreateTextFormat(L"Verdana", nullptr, DWRITE_FONT_WEIGHT_NORMAL,
                                              DWRITE_FONT_STYLE_NORMAL, DWRITE_FONT_STRETCH_NORMAL,
                                              12.0f, L"en-us", format.out()))) {
            return nullptr;
        }
        return std::make_unique<dwrite_format>(std::move(format));
    }

    std::unique_ptr<text_layout> create_text_layout(const std::u16string& text,
                                                    text_format& format, float max_width,
                                                    float max_height) override {
        com_ptr<IDWriteTextLayout> layout;
        if (FAILED(factory_->CreateTextLayout(wide(text), static_cast<UINT32>(text.size()),
                                              static_cast<dwrite_format&>(format).get(),
                                              max_width, max_height, layout.out()))) {
            return nullptr;
        }
        return std::make_unique<dwrite_layout>(std::move(layout));
    }

private:
    com_ptr<IDWriteFactory> factory_;
};

// Direct2D and DirectWrite are not among the DLLs Windows always takes from System32, so they
// are loaded from there by name instead of being imported; a missing DLL is a failed factory.
using create_d2d_factory = HRESULT(WINAPI*)(D2D1_FACTORY_TYPE, REFIID,
                                            const D2D1_FACTORY_OPTIONS*, void**);
using create_dwrite_factory = HRESULT(WINAPI*)(DWRITE_FACTORY_TYPE, REFIID, IUnknown**);

create_d2d_factory direct2d_factory_function() {
    // Direct2D imports DirectWrite. Loaded from System32 first, that import finds it in memory
    // instead of searching for it (Wine searches the program's folder for its DLLs' imports).
    load_system_library(L"dwrite.dll");
    return system_function<create_d2d_factory>(L"d2d1.dll", "D2D1CreateFactory");
}

std::unique_ptr<drawing_factory> make_drawing_factory(IWICBitmap* surface) {
    static const create_d2d_factory create = direct2d_factory_function();
    const D2D1_FACTORY_OPTIONS options{D2D1_DEBUG_LEVEL_NONE};
    com_ptr<ID2D1Factory> factory;
    if (create == nullptr || FAILED(create(D2D1_FACTORY_TYPE_SINGLE_THREADED,
                                           __uuidof(ID2D1Factory), &options,
                                           factory.out_void()))) {
        return nullptr;
    }
    return std::make_unique<d2d_factory>(std::move(factory), surface);
}

std::unique_ptr<writing_factory> make_writing_factory() {
    static const auto create =
        system_function<create_dwrite_factory>(L"dwrite.dll", "DWriteCreateFactory");
    com_ptr<IDWriteFactory> factory;
    if (create == nullptr || FAILED(create(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                                           reinterpret_cast<IUnknown**>(factory.out())))) {
        return nullptr;
    }
    return std::make_unique<dwrite_factory>(std::move(factory));
}

}  // namespace

std::unique_ptr<drawing_factory> d2d_graphics::create_drawing_factory() {
    return make_drawing_factory(nullptr);
}

std::unique_ptr<writing_factory> d2d_graphics::create_writing_factory() {
    return make_writing_factory();
}

d2d_offscreen_graphics::d2d_offscreen_graphics(uint32_t width, uint32_t height)
    : width_(width), height_(height) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (com_ptr<IWICImagingFactory> imaging = make_imaging_factory()) {
        imaging->CreateBitmap(width, height, GUID_WICPixelFormat32bppPBGRA, WICBitmapCacheOnLoad,
                              &surface_);
    }
}

d2d_offscreen_graphics::~d2d_offscreen_graphics() {
    if (surface_ != nullptr) surface_->Release();
}

std::unique_ptr<drawing_factory> d2d_offscreen_graphics::create_drawing_factory() {
    return surface_ == nullptr ? nullptr : make_drawing_factory(surface_);
}

std::unique_ptr<writing_factory> d2d_offscreen_graphics::create_writing_factory() {
    return make_writing_factory();
}

uint32_t d2d_offscreen_graphics::pixel(uint32_t x, uint32_t y) const {
    const WICRect area{0, 0, static_cast<INT>(width_), static_cast<INT>(height_)};
    com_ptr<IWICBitmapLock> lock;
    if (surface_ == nullptr || FAILED(surface_->Lock(&area, WICBitmapLockRead, lock.out()))) {
        return 0;
    }
    UINT stride = 0, size = 0;
    BYTE* data = nullptr;
    lock->GetStride(&stride);
    lock->GetDataPointer(&size, &data);
    const BYTE* bgra = data + y * stride + x * 4;
    return (uint32_t{bgra[3]} << 24) | (uint32_t{bgra[2]} << 16) | (uint32_t{bgra[1]} << 8) |
           bgra[0];
}

}  // namespace pelsdk::platform
