#pragma once

#include <cstdint>
#include <optional>

#include "ui/base/geometry.h"

namespace pelsdk::ui {

// The x positions of a check box's box and caption inside a widget of width `width`, for one
// of the eight arrangements:
//   0 box, then text, from the left      4 text, then box, from the left
//   1 box, then text, flush right        5 text, then box, flush right
//   2 box, then text, centred            6 text, then box, centred
//   3 box at the left, text at the right 7 text at the left, box at the right
// The gap separates them only when there is a caption. Other arrangements give nothing.
struct check_box_columns {
    int32_t box_x;
    int32_t text_x;
};
std::optional<check_box_columns> arrange_columns(int32_t arrangement, int32_t width,
                                                 int32_t box_width, int32_t text_width,
                                                 int32_t gap);

// The frame of a picture with `frames` frames: 0 normal, 2 hover, 4 disabled, each followed by
// its ticked frame. A picture without hover or disabled frames shows the normal ones.
uint32_t check_box_frame(uint32_t frames, bool hover, bool disabled, bool ticked);

}  // namespace pelsdk::ui
