#pragma once

#include <cstdint>
#include <vector>

#include "ui/base/geometry.h"

namespace pelsdk::ui {

class widget;

enum class flow_orientation : uint32_t { vertical = 0, horizontal = 1 };

enum class flow_item_kind : uint32_t { widget = 0, flexible_space = 1, fixed_space = 2 };

// One entry of a flow panel, in the order of adding: a child, or a space between children.
struct flow_item {
    widget* child = nullptr;  // widget items only
    int32_t length = 0;       // fixed spaces only, in dips
    flow_item_kind kind = flow_item_kind::widget;
    bool stretch = false;  // takes an equal share of the free space
};

// Stacks the shown children of the items from 0 along the panel's main axis, children touching
// and spaces between them, and returns where the content ends. Stretching items share the free
// space equally (truncated: the remainder stays empty at the end) and grow from their current
// size, so laying out an unchanged panel again moves nothing. Hidden children keep their bounds
// and take no room, but a hidden stretching child still takes its share.
int32_t stack_flow_items(const std::vector<flow_item>& items, flow_orientation orientation,
                         const rect& panel, bool fill_cross);

}  // namespace pelsdk::ui
