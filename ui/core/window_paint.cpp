#include "ui/core/widget_geometry.h"
#include "ui/core/window.h"

#include <vector>

// The widget tree walked for the pointer (hit testing) and for the screen (painting).
namespace pelsdk::ui {

widget* window::hit_test(const point& at) {
    if (capture() != nullptr) return capture();
    if (!root.is_visible(true) || !contains({0, 0, root.bounds.width, root.bounds.height}, at)) {
        return nullptr;
    }
    widget* current = &root;
    placement place = root_placement(root);
    for (;;) {
        widget* next = nullptr;
        for (auto it = current->children.rbegin(); it != current->children.rend(); ++it) {
            if ((*it)->is_visible(true) && contains(hit_box(place, **it), at)) {
                next = *it;
                break;
            }
        }
        if (next == nullptr) return current;
        place = child_placement(place, *next);
        current = next;
    }
}

// A page switch hides and shows many widgets, and a screen reader reads the page again on every
// notice: the changes of one update make one notice, and none is sent before the first paint.
void window::on_paint(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    paint_tree(root, {left, top, right, bottom}, {0, 0}, 1.0f, {1, 0, 0, 1, 0, 0});
    if (tree_changed_) {
        tree_changed_ = false;
        host_->notify_access(platform::access_event::reordered, 0);
    }
}

// Parents paint before their children; a widget outside the update area is skipped with its
// children.
void window::paint_tree(widget& painted, const update_area& update, const point& parent_origin,
                        float ancestors_scale, const platform::matrix_f& parent_transform) {
    if (!painted.is_visible(true)) return;
    const rect box = paint_box(parent_origin, ancestors_scale, painted);
    if (box.x >= update.right || box.x + box.width <= update.left || box.y >= update.bottom ||
        box.y + box.height <= update.top) {
        return;
    }
    const platform::matrix_f transform = drawing_transform(parent_transform, painted);
    renderer_->begin_widget(transform, {painted.bounds.width, painted.bounds.height}, update);
    event_hub::instance().fire(&painted, event_type::paint);
    if (&painted == focused && keyboard_focus_) paint_focus_outline(painted);
    for (widget* child : std::vector<widget*>(painted.children)) {
        paint_tree(*child, update, {box.x, box.y}, ancestors_scale * painted.scale, transform);
    }
    renderer_->end_widget();
}

// A dotted line inside the widget's edge, over whatever focus look the widget has of its own:
// what shows a keyboard user where the focus is.
void window::paint_focus_outline(const widget& painted) {
    renderer_->set_stroke_style(stroke_style::dotted);
    renderer_->set_stroke({1, 1, 1, 0.9f}, 1.0f);
    renderer_->draw_rect({1, 1, painted.bounds.width - 2, painted.bounds.height - 2});
    renderer_->set_stroke_style(stroke_style::solid);
}

}  // namespace pelsdk::ui
