#pragma once

#include <cstdint>

#include "platform/render_backend.h"

struct IWICBitmap;

namespace pelsdk::platform {

// Direct2D and DirectWrite. Window targets draw into the window whose HWND the renderer is given.
class d2d_graphics final : public graphics_system {
public:
    std::unique_ptr<drawing_factory> create_drawing_factory() override;
    std::unique_ptr<writing_factory> create_writing_factory() override;
};

// The same drawing into a WIC bitmap of the given pixel size instead of a window, so that
// tests can read back what was drawn.
class d2d_offscreen_graphics final : public graphics_system {
public:
    d2d_offscreen_graphics(uint32_t width, uint32_t height);
    ~d2d_offscreen_graphics() override;

    std::unique_ptr<drawing_factory> create_drawing_factory() override;
    std::unique_ptr<writing_factory> create_writing_factory() override;

    // The pixel at (x, y) as 0xAARRGGBB, premultiplied.
    uint32_t pixel(uint32_t x, uint32_t y) const;
    uint32_t width() const { return width_; }
    uint32_t height() const { return height_; }

private:
    uint32_t width_, height_;
    IWICBitmap* surface_ = nullptr;
};

}  // namespace pelsdk::platform
