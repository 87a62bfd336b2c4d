#pragma once

#include <cstdint>

#include "ui/base/color.h"
#include "ui/render/text_enums.h"
#include "ui/theme/widget_style.h"

namespace pelsdk::ui {

// What a button shows at one moment; each flag picks a frame and colours.
struct button_look {
    bool toggled = false;
    bool hover = false;
    bool disabled = false;
    bool pressed = false;
    bool focused = false;
};

// The frame of a picture with `frames` frames for the look. Frames are ordered normal, hover,
// disabled, pressed, then the same four toggled; a toggled state without a frame of its own
// falls back to its untoggled frame among the first four, or to frame 0.
uint32_t button_frame(uint32_t frames, const button_look& look);

// The theme colours of a look, every alpha halved when disabled.
struct button_colors {
    color fill;
    color border;
    stroke_style border_style;
    color caption;
};
button_colors button_colors_for(const widget_style& style, const button_look& look);

}  // namespace pelsdk::ui
