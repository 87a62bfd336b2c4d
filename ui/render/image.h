#pragma once

#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/image_decoder.h"
#include "platform/render_backend.h"
#include "ui/base/color.h"
#include "ui/base/geometry.h"
#include "ui/theme/image_reference.h"

namespace pelsdk::ui {

class renderer;

// The pixels of a locked image, editable in place until unlock_pixels.
struct pixel_access {
    uint32_t buffer_size;
    uint32_t stride;
    uint32_t bits_per_pixel;
    uint8_t* data;
    uint32_t width;
    uint32_t height;
};

// A picture decoded once into premultiplied BGRA pixels, lent to every renderer that draws it
// as a bitmap of its own. Frames are equal parts stacked top to bottom.
class image {
public:
    // Empty: the decoder is made by the first load, from the imaging system of the window the
    // picture is drawn in, which a widget only knows once it is created.
    image() = default;
    ~image();
    image(const image&) = delete;
    image& operator=(const image&) = delete;

    // False when the bytes are no readable picture, damaged pixel data included; throws when
    // the imaging factory or the converter cannot be made or memory runs out.
    bool load(platform::imaging_system& imaging, const uint8_t* data, uint64_t size, float scale);
    void unload();
    bool is_loaded() const { return loaded_; }

    // Size in dips.
    size logical_size() const;
    uint32_t pixel_width() const { return width_; }
    uint32_t pixel_height() const { return height_; }
    float scale() const { return scale_; }

    platform::bitmap& bitmap_for(renderer& drawing);
    void release_renderer(renderer& drawing);

    // Holds the image's guard until unlock_pixels; the edited pixels then reach every bitmap.
    pixel_access lock_pixels();
    void unlock_pixels(const pixel_access& access);
    // Multiplies the stored premultiplied bytes by the factor; an area of all zeros (in dips)
    // means the whole picture, else its edges are included.
    void multiply(const color& factor, const rect& area);

private:
    void forget_renderers();

    bool loaded_ = false;
    std::mutex guard_;
    std::unique_ptr<platform::image_decoder> decoder_;
    platform::decoded_image decoded_;
    std::unordered_map<platform::render_target*, std::unique_ptr<platform::bitmap>> bitmaps_;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
    float scale_ = 1.0f;
    std::vector<renderer*> renderers_;
};

// The source rectangle of frame `index` of a picture with `frames` equal frames stacked top to
// bottom, in dips. A count of 0 is taken as one frame.
rect image_frame(const image& picture, uint32_t frames, uint32_t index);

// Loads the picture a theme value names; a reference of size 0 names none and loads nothing.
bool load_image(image& target, platform::imaging_system& imaging, const image_reference& picture);

}  // namespace pelsdk::ui
