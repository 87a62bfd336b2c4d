#include "ui/render/image.h"

#include <algorithm>
#include <cmath>

#include "ui/base/pel_exception.h"
#include "ui/render/renderer.h"

namespace pelsdk::ui {

namespace {

// Serialises decoding, unloading and bitmap creation across all images; taken before an
// image's own guard.
std::mutex image_mutex;

void erase_value(std::vector<image*>& list, image* value) {
    list.erase(std::remove(list.begin(), list.end(), value), list.end());
}

int32_t nearest(float value) { return static_cast<int32_t>(std::lround(value)); }

// Factors outside 0..1 saturate instead of wrapping the byte.
uint8_t multiplied(uint8_t channel, float factor) {
    return static_cast<uint8_t>(std::clamp(std::trunc(channel * factor), 0.0f, 255.0f));
}

}  // namespace

image::~image() {
    for (renderer* drawing : renderers_) erase_value(drawing->images, this);
}

bool image::load(platform::imaging_system& imaging, const uint8_t* data, uint64_t size,
                 float scale) {
    std::lock_guard<std::mutex> serial(image_mutex);
    if (!decoder_) decoder_ = imaging.create_decoder();
    if (!decoder_) throw pel_exception("unable to create the imaging factory");
    platform::decoded_image decoded;
    switch (decoder_->decode(data, size, decoded)) {
        case platform::decode_result::unreadable:
            return false;
        case platform::decode_result::converter_failed:
            throw pel_exception("unable to create the bitmap format converter");
        case platform::decode_result::bitmap_failed:
            throw pel_exception("unable to create a bitmap from the format converter");
        case platform::decode_result::decoded:
            break;
    }
    std::lock_guard<std::mutex> lock(guard_);
    decoded_ = std::move(decoded);
    width_ = decoded_.width;
    height_ = decoded_.height;
    scale_ = scale;
    loaded_ = true;
    return true;
}

void image::forget_renderers() {
    for (renderer* drawing : renderers_) erase_value(drawing->images, this);
    renderers_.clear();
    bitmaps_.clear();
}

void image::unload() {
    std::lock_guard<std::mutex> serial(image_mutex);
    std::lock_guard<std::mutex> lock(guard_);
    forget_renderers();
    loaded_ = false;
}

size image::logical_size() const {
    return {static_cast<int32_t>(std::trunc(static_cast<float>(width_) / scale_)),
            static_cast<int32_t>(std::trunc(static_cast<float>(height_) / scale_))};
}

platform::bitmap& image::bitmap_for(renderer& drawing) {
    std::lock_guard<std::mutex> serial(image_mutex);
    std::lock_guard<std::mutex> lock(guard_);
    platform::render_target* key = &drawing.target();
    if (const auto found = bitmaps_.find(key); found != bitmaps_.end()) return *found->second;

    auto error = platform::render_target::bitmap_error::none;
    auto made = key->create_bitmap(
        {decoded_.pixels.data(), decoded_.stride, decoded_.width, decoded_.height}, error);
    if (!made) {
        throw pel_exception(error == platform::render_target::bitmap_error::shared
                                ? "unable to create a shared bitmap"
                                : "unable to create a bitmap from a WIC bitmap");
    }
    platform::bitmap& result = *made;
    bitmaps_[key] = std::move(made);
    drawing.images.push_back(this);
    renderers_.push_back(&drawing);
    return result;
}

void image::release_renderer(renderer& drawing) {
    bitmaps_.erase(&drawing.target());
    renderers_.erase(std::remove(renderers_.begin(), renderers_.end(), &drawing), renderers_.end());
    erase_value(drawing.images, this);
}

pixel_access image::lock_pixels() {
    guard_.lock();
    return {static_cast<uint32_t>(decoded_.pixels.size()), decoded_.stride, 32,
            decoded_.pixels.data(), width_, height_};
}

void image::unlock_pixels(const pixel_access& access) {
    for (auto& [target, bitmap] : bitmaps_) {
        if (!bitmap->copy_from_memory(access.data, access.stride)) {
            guard_.unlock();
            throw pel_exception("unable to update the bitmap data");
        }
    }
    guard_.unlock();
}

void image::multiply(const color& factor, const rect& area) {
    const bool whole = area == rect{0, 0, 0, 0};
    const rect pixels = whole ? area
                              : rect{nearest(area.x * scale_), nearest(area.y * scale_),
                                     nearest(area.width * scale_), nearest(area.height * scale_)};
    const pixel_access access = lock_pixels();
    for (uint32_t row = 0; row < access.height; ++row) {
        for (uint32_t column = 0; column < access.width; ++column) {
            const auto c = static_cast<int64_t>(column);
            const auto r = static_cast<int64_t>(row);
            if (!whole && (c < pixels.x || c > int64_t{pixels.x} + pixels.width || r < pixels.y ||
                           r > int64_t{pixels.y} + pixels.height)) {
                continue;
            }
            uint8_t* bgra = access.data + row * access.stride + column * 4;
            bgra[0] = multiplied(bgra[0], factor.b);
            bgra[1] = multiplied(bgra[1], factor.g);
            bgra[2] = multiplied(bgra[2], factor.r);
            bgra[3] = multiplied(bgra[3], factor.a);
        }
    }
    unlock_pixels(access);
}

rect image_frame(const image& picture, uint32_t frames, uint32_t index) {
    const size logical = picture.logical_size();
    const int32_t frame_height =
        frames == 0 ? logical.height : logical.height / static_cast<int32_t>(frames);
    return {0, static_cast<int32_t>(index) * frame_height, logical.width, frame_height};
}

bool load_image(image& target, platform::imaging_system& imaging, const image_reference& picture) {
    if (picture.size == 0) return false;
    return target.load(imaging, picture.data, picture.size, picture.scale);
}

}  // namespace pelsdk::ui
