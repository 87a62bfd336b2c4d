#pragma once

#include <cstdint>

#include "ui/base/geometry.h"
#include "ui/render/text_enums.h"

namespace pelsdk::ui {

// Where a one-line caption is laid out and where it is cut, for a button of that size with the
// inner margins {mx, my}. The layout is far wider than the button so that the caption never
// wraps; its alignment inside that layout lands it at the left margin, the centre or the right
// margin.
struct clipped_caption {
    rect layout;
    rect clip;
};
clipped_caption clipped_caption_area(text_align align, const size& button, const size& margins);

// The width of an auto-sized button: the caption's width plus 30, within the limits {min, max}
// (max 0 means 10000; the minimum also leaves room for both side margins). The maximum is
// applied first, so a minimum above the maximum wins.
int32_t auto_width(int32_t text_width, const size& limits, int32_t margin_x);

}  // namespace pelsdk::ui
