#pragma once

#include <cstdint>
#include <optional>

#include "ui/base/geometry.h"

namespace pelsdk::ui {

// One scroll bar's axes: a vertical bar scrolls along y and height, a horizontal one along x
// and width; the other axis is the cross axis.
struct scroll_axis {
    bool horizontal;

    int32_t start(const rect& area) const { return horizontal ? area.x : area.y; }
    int32_t length(const rect& area) const { return horizontal ? area.width : area.height; }
    int32_t cross_length(const rect& area) const { return horizontal ? area.height : area.width; }
    int32_t along(const point& at) const { return horizontal ? at.x : at.y; }
    // A rectangle at cross 0 spanning the whole cross length.
    rect span(int32_t main_start, int32_t main_length, int32_t cross_length) const;
    rect moved_to(const rect& area, int32_t main_start) const;
};

// The parts of a bar along its main axis. Without buttons both are empty and the track is the
// whole bar.
struct scroll_parts {
    rect start_button;
    rect end_button;
    rect track;
};
scroll_parts lay_out_parts(const scroll_axis& axis, const size& bar, bool show_buttons);

// What the bar knows of its content and itself, along the main axis.
struct scroll_extent {
    int32_t content_length;
    int32_t viewport_length;
    int32_t content_offset;  // the content's coordinate in the viewport: negative when scrolled
    int32_t bar_length;
    int32_t button_length;  // 0 without buttons
    int32_t min_thumb;
};

struct scroll_metrics {
    int32_t max_scroll;
    int32_t position;
    int32_t thumb_start;  // from the bar's start, the start button included
    int32_t thumb_length;
    float pixels_per_unit;
};

// The scroll range and the thumb. No content is an extent of zeros: the thumb fills the track.
scroll_metrics measure_scroll(const scroll_extent& extent);

// How far down the track the thumb has travelled at a position.
int32_t thumb_travel(int32_t position, float pixels_per_unit);

// Where a press at `pointer` on the bar puts the thumb's start, measured along the track: its
// start comes under a press before it, its end under a press after it. Nothing for a press on
// the thumb (ends included) or on a button.
std::optional<int32_t> track_target(int32_t pointer, int32_t thumb_start, int32_t thumb_length,
                                    int32_t bar_length, int32_t button_length);

// The scroll position that puts the thumb `distance` dips down the track, truncated. Nothing
// while the thumb cannot move (pixels_per_unit 0).
std::optional<int32_t> units_for(int32_t distance, float pixels_per_unit);

// Where a scrolled content goes when its viewport grows: its end comes to the viewport's end,
// but never past its start. A content that is not scrolled, or still reaches the end, stays.
int32_t pulled_offset(int32_t offset, int32_t content_length, int32_t viewport_length);

// The content's coordinate for a wanted one, kept within -max_scroll .. 0.
int32_t offset_in_range(int64_t wanted, int32_t max_scroll);

// The scroll amount of a wheel event: the delta truncated, times the multiplier, saturated.
int32_t wheel_amount(double delta, int32_t multiplier);

// The position rounded towards zero to a multiple of step. A step of 0 snaps nothing.
int32_t snapped(int32_t position, int32_t step);

}  // namespace pelsdk::ui
