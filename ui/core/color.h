#pragma once

namespace pelsdk::ui {

// Straight-alpha colour, each component 0..1.
struct color {
    float r;
    float g;
    float b;
    float a;

    friend bool operator==(const color&, const color&) = default;
};

}  // namespace pelsdk::ui
