#pragma once

#include "platform/render_backend.h"
#include "ui/base/geometry.h"
#include "ui/render/renderer.h"

namespace pelsdk::ui {

class widget;

// Where a widget stands in its window, for each of the five uses of it. A widget's bounds are in
// its parent's dips, which count `scale` times for each scaled ancestor. Every use rounds the
// way it needs; side by side here, their differences stay deliberate.

// Where a widget's children are measured from, in window dips, and what one of their dips counts.
struct placement {
    float x, y, scale;
};
// The root's placement: its own position and scale.
placement root_placement(const widget& root);
placement child_placement(const placement& parent, const widget& child);

// Hit testing: the child's box in window dips. Exact until the end, then each edge rounded to the
// nearest dip, because the pointer it is compared with is in whole dips.
rect hit_box(const placement& parent, const widget& child);

// The paint walk's test against the update area: the child's box in window dips. Its position is
// rounded inside its parent's already rounded one, so that siblings share the parent's grid; its
// size counts its own scale alone.
rect paint_box(const point& parent_origin, float ancestors_scale, const widget& child);

// Drawing: the transform the child's painting is issued under. Exact, since the drawing backend
// places fractional geometry itself.
platform::matrix_f drawing_transform(const platform::matrix_f& parent, const widget& child);

// The pointer: a window position in the widget's own dips. Truncated toward zero, as integer
// division of the system's pixels always did.
point window_to_widget(const point& in_window, const widget& target);

// Repainting: the box to invalidate in window dips, exact until each edge is rounded to the
// nearest dip; its size counts the ancestors' scales, not the widget's own.
update_area invalidation_box(const widget& target);

}  // namespace pelsdk::ui
