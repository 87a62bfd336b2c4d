#include "ui/widgets/scroll_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pelsdk::ui {

rect scroll_axis::span(int32_t main_start, int32_t main_length, int32_t cross_length) const {
    return horizontal ? rect{main_start, 0, main_length, cross_length}
                      : rect{0, main_start, cross_length, main_length};
}

rect scroll_axis::moved_to(const rect& area, int32_t main_start) const {
    return horizontal ? rect{main_start, area.y, area.width, area.height}
                      : rect{area.x, main_start, area.width, area.height};
}

scroll_parts lay_out_parts(const scroll_axis& axis, const size& bar, bool show_buttons) {
    const rect whole{0, 0, bar.width, bar.height};
    const int32_t length = axis.length(whole), cross = axis.cross_length(whole);
    if (!show_buttons) return {{0, 0, 0, 0}, {0, 0, 0, 0}, axis.span(0, length, cross)};
    // Square buttons as wide as the bar.
    return {axis.span(0, cross, cross), axis.span(length - cross, cross, cross),
            axis.span(cross, length - 2 * cross, cross)};
}

scroll_metrics measure_scroll(const scroll_extent& extent) {
    scroll_metrics m{};
    m.max_scroll = std::max(extent.content_length - extent.viewport_length, 0);
    // A content placed past its start counts as not scrolled: the position stays in 0..max.
    m.position = std::clamp(-extent.content_offset, 0, m.max_scroll);
    // A bar too short for its buttons has an empty track rather than a negative one.
    const int32_t track = std::max(extent.bar_length - 2 * extent.button_length, 0);
    // trunc(track x viewport / content), exact in integers.
    const int64_t by_ratio = extent.content_length == 0
                                 ? track
                                 : int64_t{track} * extent.viewport_length / extent.content_length;
    m.thumb_length = static_cast<int32_t>(
        std::min<int64_t>(track, std::max<int64_t>(extent.min_thumb, by_ratio)));
    m.pixels_per_unit = m.max_scroll == 0 ? 0.0f
                                          : static_cast<float>(track - m.thumb_length) /
                                                static_cast<float>(m.max_scroll);
    m.thumb_start = thumb_travel(m.position, m.pixels_per_unit) + extent.button_length;
    return m;
}

int32_t thumb_travel(int32_t position, float pixels_per_unit) {
    return static_cast<int32_t>(static_cast<float>(position) * pixels_per_unit);
}

std::optional<int32_t> track_target(int32_t pointer, int32_t thumb_start, int32_t thumb_length,
                                    int32_t bar_length, int32_t button_length) {
    // The buttons act on release, never on the press.
    if (pointer < button_length || pointer >= bar_length - button_length) return std::nullopt;
    if (pointer < thumb_start) return pointer - button_length;
    if (pointer <= thumb_start + thumb_length) return std::nullopt;
    return pointer - button_length - thumb_length;
}

std::optional<int32_t> units_for(int32_t distance, float pixels_per_unit) {
    if (pixels_per_unit <= 0.0f) return std::nullopt;
    const double units = std::trunc(static_cast<float>(distance) / pixels_per_unit);
    return static_cast<int32_t>(std::clamp<double>(units, std::numeric_limits<int32_t>::min(),
                                                   std::numeric_limits<int32_t>::max()));
}

int32_t pulled_offset(int32_t offset, int32_t content_length, int32_t viewport_length) {
    const int32_t gap = viewport_length - (offset + content_length);
    return offset < 0 && gap > 0 ? std::min(offset + gap, 0) : offset;
}

int32_t offset_in_range(int64_t wanted, int32_t max_scroll) {
    return static_cast<int32_t>(std::clamp<int64_t>(wanted, -int64_t{max_scroll}, 0));
}

int32_t wheel_amount(double delta, int32_t multiplier) {
    // A wheel delta fits in 16 bits; the theme's multiplier may be anything.
    const int64_t amount = static_cast<int64_t>(std::trunc(delta)) * multiplier;
    return static_cast<int32_t>(std::clamp<int64_t>(amount, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int32_t snapped(int32_t position, int32_t step) {
    // In 64 bits: the lowest position modulo -1 would overflow.
    return step == 0 ? position : static_cast<int32_t>(position - int64_t{position} % step);
}

}  // namespace pelsdk::ui
