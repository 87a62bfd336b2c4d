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

// Left and top edges included, right and bottom excluded: the hit test of a rectangle.
inline bool contains(const rect& area, const point& at) {
    return at.x >= area.x && at.x < area.x + area.width && at.y >= area.y &&
           at.y < area.y + area.height;
}

// All four edges included: the pointer on a widget's last pixel still counts.
inline bool contains_inclusive(const rect& area, const point& at) {
    return at.x >= area.x && at.x <= area.x + area.width && at.y >= area.y &&
           at.y <= area.y + area.height;
}

// The width and height raised to a widget's minimum size.
inline rect raised_to_min_size(const rect& area, const size& minimum) {
    return {area.x, area.y, area.width > minimum.width ? area.width : minimum.width,
            area.height > minimum.height ? area.height : minimum.height};
}

// Four edges: left, top, right, bottom.
struct quad {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
    friend bool operator==(const quad&, const quad&) = default;
};

}  // namespace pelsdk::ui
