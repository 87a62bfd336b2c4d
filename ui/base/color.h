#pragma once

namespace pelsdk::ui {

// Straight-alpha colour, each component 0..1.
struct color {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 0;

    constexpr color() = default;
    // A grey of that level and alpha: {v, v, v, v}.
    constexpr explicit color(float v) : r(v), g(v), b(v), a(v) {}
    constexpr color(float red, float green, float blue, float alpha)
        : r(red), g(green), b(blue), a(alpha) {}

    friend bool operator==(const color&, const color&) = default;
};

}  // namespace pelsdk::ui
