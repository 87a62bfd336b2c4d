#include "ui/widgets/flow_panel.h"

#include <algorithm>

#include "ui/core/window.h"
#include "ui/theme/theme_lookup.h"

namespace pelsdk::ui {

flow_panel::flow_panel(flow_orientation direction, flow_options options)
    : orientation(direction),
      size_to_content(options.size_to_content),
      watch_child_sizes(options.watch_child_sizes) {
    style.set_value("default_back_color", color{0, 0, 0, 0});
    created_handler_ = listen(*this, event_type::created, [this](const event_info&) { on_created(); });
}

void flow_panel::on_created() {
    // Once only: a second announcement must not double every handler.
    event_hub::instance().unregister(created_handler_);
    listen(*this, event_type::child_added, [this](const event_info& info) { on_child_added(info); });
    listen(*this, event_type::child_removed, [this](const event_info& info) { on_child_removed(info); });
    listen(*this, event_type::paint, [this](const event_info&) { paint(); });
    listen(*this, event_type::resized, [this](const event_info& info) { on_resized(info); });
    if (fill_parent_cross || size_to_content) {
        listen(*this, event_type::parent_resized, [this](const event_info&) { fit_to_parent(); });
        fit_to_parent();
    }
}

void flow_panel::paint() {
    renderer& draw = window->drawing();
    draw.set_fill_color(theme_color(style, "default_back_color"));
    draw.fill_rect({0, 0, bounds.width, bounds.height});
}

void flow_panel::add_flexible_space() {
    items.push_back({nullptr, 0, flow_item_kind::flexible_space, true});
    has_flexible = true;
}

void flow_panel::add_fixed_space(int32_t length) {
    items.push_back({nullptr, length, flow_item_kind::fixed_space, false});
}

void flow_panel::layout() {
    fit_to_content(stack_flow_items(items, orientation, bounds, fill_cross));
}

bool flow_panel::stretches(const widget& child) const {
    const auto* panel = dynamic_cast<const flow_panel*>(&child);
    return panel != nullptr && panel->orientation != orientation && panel->fill_parent_cross;
}

void flow_panel::on_child_added(const event_info& info) {
    const auto found =
        std::find(children.begin(), children.end(), event_param_as<widget>(info.param1));
    if (found == children.end()) return;
    widget* child = *found;
    items.push_back({child, 0, flow_item_kind::widget, stretches(*child)});
    if (watch_child_sizes) {
        listen(*child, event_type::resized,
                [this, child](const event_info& resize) { on_child_resized(*child, resize); });
    }
    listen(*child, event_type::hidden, [this](const event_info&) { layout(); });
    listen(*child, event_type::shown, [this](const event_info&) { layout(); });
}

// The panel is laid out again only at the next trigger.
void flow_panel::on_child_removed(const event_info& info) {
    const widget* gone = event_param_as<widget>(info.param1);
    std::erase_if(items, [gone](const flow_item& item) { return item.child == gone; });
    has_flexible =
        std::any_of(items.begin(), items.end(), [](const flow_item& item) { return item.stretch; });
}

void flow_panel::on_resized(const event_info& info) {
    const size previous = *event_param_as<size>(info.param1);
    const bool changed = previous != size{bounds.width, bounds.height};
    if (changed && (fill_cross || has_flexible)) layout();
}

void flow_panel::on_child_resized(const widget& child, const event_info& info) {
    const size previous = *event_param_as<size>(info.param1);
    const bool width_changed = previous.width != child.bounds.width;
    const bool height_changed = previous.height != child.bounds.height;
    if (orientation == flow_orientation::horizontal) {
        if (width_changed) layout();
        if (height_changed) layout();
    } else if (height_changed) {
        layout();
    }
}

// Other orientations only lay out; so does a panel without a parent.
void flow_panel::fit_to_parent() {
    const bool horizontal = orientation == flow_orientation::horizontal;
    const bool vertical = orientation == flow_orientation::vertical;
    if (parent != nullptr && (horizontal || vertical)) {
        const bool width_follows = horizontal ? has_flexible : fill_parent_cross;
        const bool height_follows = horizontal ? fill_parent_cross : has_flexible;
        rect area = bounds;
        if (width_follows) area.width = parent->bounds.width - bounds.x;
        if (height_follows) area.height = parent->bounds.height - bounds.y;
        set_bounds(raised_to_min_size(area, min_size), true);
    }
    layout();
}

void flow_panel::fit_to_content(int32_t content_length) {
    if (!size_to_content) return;
    rect area = bounds;
    int32_t& main = orientation == flow_orientation::horizontal ? area.width : area.height;
    if (main == content_length) return;
    main = std::max(content_length, 0);
    set_bounds(raised_to_min_size(area, min_size), true);
}

}  // namespace pelsdk::ui
