#pragma once

#include <cstdint>

namespace pelsdk::ui {

// Geometry in device-independent pixels (1/96 inch).
struct point {
    int32_t x;
    int32_t y;
    friend bool operator==(const point&, const point&) = default;
};

struct size {
    int32_t width;
    int32_t height;
    friend bool operator==(const size&, const size&) = default;
};

struct rect {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
    friend bool operator==(const rect&, const rect&) = default;
};

// Four edges: left, top, right, bottom.
struct quad {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
    friend bool operator==(const quad&, const quad&) = default;
};

}  // namespace pelsdk::ui
