#pragma once

#include <cstdint>

namespace pelsdk::ui {

// A picture as the theme refers to it: encoded bytes held in the program's read-only data.
// Frames are stacked vertically.
struct image_reference {
    const uint8_t* data = nullptr;
    uint64_t size = 0;
    uint32_t frames = 1;
    float scale = 1.0f;

    friend bool operator==(const image_reference&, const image_reference&) = default;
};

static_assert(sizeof(image_reference) == 24);

}  // namespace pelsdk::ui
