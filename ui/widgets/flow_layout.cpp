#include "ui/widgets/flow_layout.h"

#include <algorithm>

#include "ui/core/widget.h"

namespace pelsdk::ui {

namespace {

// Orientations other than horizontal stack top to bottom.
bool is_horizontal(flow_orientation orientation) {
    return orientation == flow_orientation::horizontal;
}

int32_t main_length(const rect& area, flow_orientation orientation) {
    return is_horizontal(orientation) ? area.width : area.height;
}

bool takes_room(const flow_item& item) {
    return item.kind == flow_item_kind::widget && item.child->is_visible(false);
}

int32_t content_length(const std::vector<flow_item>& items, flow_orientation orientation) {
    int32_t total = 0;
    for (const flow_item& item : items) {
        if (item.kind == flow_item_kind::fixed_space) total += item.length;
        if (takes_room(item)) total += main_length(item.child->bounds, orientation);
    }
    return total;
}

int32_t share_per_stretch(const std::vector<flow_item>& items, int32_t free_length) {
    const auto stretching = std::count_if(items.begin(), items.end(),
                                          [](const flow_item& item) { return item.stretch; });
    return stretching > 0 ? free_length / static_cast<int32_t>(stretching) : 0;
}

// The child's place before its minimum size is applied.
rect stacked_bounds(const widget& child, flow_orientation orientation, const rect& panel,
                    bool fill_cross, int32_t cursor, int32_t growth) {
    const rect& own = child.bounds;
    if (is_horizontal(orientation)) {
        return {cursor, own.y, own.width + growth, fill_cross ? panel.height : own.height};
    }
    return {own.x, cursor, fill_cross ? panel.width : own.width, own.height + growth};
}

}  // namespace

int32_t stack_flow_items(const std::vector<flow_item>& items, flow_orientation orientation,
                         const rect& panel, bool fill_cross) {
    const int32_t share = share_per_stretch(
        items, main_length(panel, orientation) - content_length(items, orientation));
    int32_t cursor = 0;
    // By index: a child's resize may run handlers that add or remove items.
    for (size_t i = 0; i < items.size(); ++i) {
        const flow_item item = items[i];
        if (item.kind == flow_item_kind::flexible_space) cursor += share;
        if (item.kind == flow_item_kind::fixed_space) cursor += item.length;
        if (!takes_room(item)) continue;
        const rect placed = stacked_bounds(*item.child, orientation, panel, fill_cross, cursor,
                                           item.stretch ? share : 0);
        item.child->set_bounds(raised_to_min_size(placed, item.child->min_size), true);
        cursor += main_length(placed, orientation);
    }
    return cursor;
}

}  // namespace pelsdk::ui
