// The renderer's image primitives.
#include <cmath>

#include "ui/render/image.h"
#include "ui/render/renderer.h"

namespace pelsdk::ui {

namespace {

platform::rect_f destination(float x, float y, float width, float height) {
    return {x, y, x + width, y + height};
}

// A source rectangle in dips of the image, addressed in its pixels.
platform::rect_f source_pixels(const rect& source, float scale) {
    return {source.x * scale, source.y * scale, (source.x + source.width) * scale,
            (source.y + source.height) * scale};
}

}  // namespace

void renderer::draw_image(const point& at, image& picture, float opacity) {
    if (!picture.is_loaded()) return;
    const size logical = picture.logical_size();
    target_->draw_bitmap(picture.bitmap_for(*this),
                         destination(at.x, at.y, logical.width, logical.height), opacity,
                         std::nullopt);
}

void renderer::draw_image_stretched(const rect& area, image& picture, float opacity) {
    if (!picture.is_loaded()) return;
    target_->draw_bitmap(picture.bitmap_for(*this),
                         destination(area.x, area.y, area.width, area.height), opacity,
                         std::nullopt);
}

void renderer::draw_image_part(const point& at, image& picture, const rect& source,
                               float opacity) {
    if (!picture.is_loaded()) return;
    target_->draw_bitmap(picture.bitmap_for(*this),
                         destination(at.x, at.y, source.width, source.height), opacity,
                         source_pixels(source, picture.scale()));
}

void renderer::draw_image_part_stretched(const rect& area, image& picture, const rect& source,
                                         float opacity) {
    if (!picture.is_loaded()) return;
    target_->draw_bitmap(picture.bitmap_for(*this),
                         destination(area.x, area.y, area.width, area.height), opacity,
                         source_pixels(source, picture.scale()));
}

}  // namespace pelsdk::ui
