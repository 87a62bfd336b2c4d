#include "ui/core/widget_geometry.h"

#include <cmath>
#include <vector>

#include "ui/core/widget.h"

namespace pelsdk::ui {

namespace {

int32_t nearest(float value) { return static_cast<int32_t>(std::lround(value)); }

float as_float(int32_t value) { return static_cast<float>(value); }

}  // namespace

placement root_placement(const widget& root) {
    return {as_float(root.bounds.x), as_float(root.bounds.y), root.scale};
}

placement child_placement(const placement& parent, const widget& child) {
    return {parent.x + as_float(child.bounds.x) * parent.scale,
            parent.y + as_float(child.bounds.y) * parent.scale, parent.scale * child.scale};
}

rect hit_box(const placement& parent, const widget& child) {
    const float s = parent.scale;
    return {nearest(as_float(child.bounds.x) * s + parent.x),
            nearest(as_float(child.bounds.y) * s + parent.y),
            nearest(as_float(child.bounds.width) * s * child.scale),
            nearest(as_float(child.bounds.height) * s * child.scale)};
}

rect paint_box(const point& parent_origin, float ancestors_scale, const widget& child) {
    return {nearest(as_float(child.bounds.x) * ancestors_scale) + parent_origin.x,
            nearest(as_float(child.bounds.y) * ancestors_scale) + parent_origin.y,
            nearest(as_float(child.bounds.width) * child.scale),
            nearest(as_float(child.bounds.height) * child.scale)};
}

// The child's scale and offset apply before its parent's transform.
platform::matrix_f drawing_transform(const platform::matrix_f& m, const widget& child) {
    const float s = child.scale;
    const float x = as_float(child.bounds.x), y = as_float(child.bounds.y);
    return {s * m.m11, s * m.m12, s * m.m21, s * m.m22,
            x * m.m11 + y * m.m21 + m.m31, x * m.m12 + y * m.m22 + m.m32};
}

point window_to_widget(const point& in_window, const widget& target) {
    std::vector<const widget*> chain;
    for (const widget* w = &target; w != nullptr; w = w->parent) chain.push_back(w);
    float x = as_float(in_window.x), y = as_float(in_window.y);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        x -= as_float((*it)->bounds.x);
        y -= as_float((*it)->bounds.y);
        if (*it != &target) {
            x /= (*it)->scale;
            y /= (*it)->scale;
        }
    }
    return {static_cast<int32_t>(x), static_cast<int32_t>(y)};
}

update_area invalidation_box(const widget& target) {
    float x = as_float(target.bounds.x), y = as_float(target.bounds.y);
    float w = as_float(target.bounds.width), h = as_float(target.bounds.height);
    for (const widget* up = target.parent; up != nullptr; up = up->parent) {
        x = x * up->scale + as_float(up->bounds.x);
        y = y * up->scale + as_float(up->bounds.y);
        w *= up->scale;
        h *= up->scale;
    }
    return {nearest(x), nearest(y), nearest(x + w), nearest(y + h)};
}

}  // namespace pelsdk::ui
