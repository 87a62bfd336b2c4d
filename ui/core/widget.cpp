#include "ui/core/widget.h"

#include <algorithm>

#include "ui/core/widget_geometry.h"
#include "ui/core/window.h"

namespace pelsdk::ui {

namespace {

// Passes a changed flag down: direct children get `value`, deeper levels the and of `value`
// and the own flags on the way.
void pass_shown(widget& from, bool value) {
    for (widget* child : from.children) {
        child->parent_shown = value;
        pass_shown(*child, value && child->shown);
    }
}

void pass_enabled(widget& from, bool value) {
    for (widget* child : from.children) {
        child->parent_enabled = value;
        pass_enabled(*child, value && child->enabled);
    }
}

// Deepest first.
void fire_on_descendants(widget& from, event_type type) {
    for (widget* child : from.children) {
        fire_on_descendants(*child, type);
        event_hub::instance().fire(child, type);
    }
}

// One axis of the anchor layout: `low` is the left or top anchor, `high` the right or bottom.
void place_on_axis(const anchor& low, const anchor& high, int32_t parent_length, int32_t& position,
                   int32_t& length) {
    if (high.set) {
        if (low.set) {
            position = low.distance;
            length = parent_length - low.distance - high.distance;
        } else {
            position = parent_length - high.distance - length;
        }
    } else if (low.set) {
        position = low.distance;
    }
}

}  // namespace

widget::~widget() {
    if (window != nullptr) window->forget_widget(*this);
    if (parent != nullptr) parent->remove_child(this);
    for (widget* child : children) child->parent = nullptr;
    event_hub::instance().fire(this, event_type::destroyed);
}

bool widget::add_child(widget* child) {
    child->set_parent(this);
    child->parent_enabled = enabled;
    pass_enabled(*child, enabled && child->enabled);
    child->parent_shown = shown;
    pass_shown(*child, shown && child->shown);
    children.push_back(child);
    return event_hub::instance().fire(this, event_type::child_added, event_param(child));
}

void widget::detach(widget* child) {
    child->parent = nullptr;
    child->parent_enabled = true;
    pass_enabled(*child, child->enabled);
    child->parent_shown = true;
    pass_shown(*child, child->shown);
    event_hub::instance().fire(child, event_type::parent_shown);
    event_hub::instance().fire(this, event_type::child_removed, event_param(child));
}

void widget::remove_child(widget* child) {
    const auto found = std::find(children.begin(), children.end(), child);
    if (found == children.end()) return;
    children.erase(found);
    detach(child);
    if (const auto connected = connections.find(child); connected != connections.end()) {
        const std::vector<handler_id> ids = std::move(connected->second);
        connections.erase(connected);
        for (handler_id id : ids) event_hub::instance().unregister(id);
    }
}

void widget::remove_all_children() {
    const std::vector<widget*> removed = std::move(children);
    children.clear();
    for (widget* child : removed) detach(child);
    for (const auto& [object, ids] : connections) {
        for (handler_id id : ids) event_hub::instance().unregister(id);
    }
    connections.clear();
}

void widget::invalidate(bool update_now) {
    if (!created || window == nullptr) return;
    if (bounds.width >= 1 && bounds.height >= 1) {
        const update_area box = invalidation_box(*this);
        window->host().invalidate(box.left, box.top, box.right, box.bottom);
    }
    if (update_now) window->host().update();
}

bool widget::is_visible(bool with_ancestors) const {
    return with_ancestors ? shown && parent_shown : shown;
}

void widget::create(const rect& area) {
    bounds = area;
    requested = area;
    if (!enabled) set_enabled(true);
    set_shown(true);
    window->widgets.push_back(this);
    if (parent != nullptr) {
        parent_enabled = parent->is_enabled();
        pass_enabled(*this, parent_enabled && enabled);
        parent_shown = parent->is_visible(true);
        pass_shown(*this, parent_shown && shown);
    }
    created = true;
    // Announced to the widget itself: panels, check boxes and link buttons finish their set-up
    // on it, once they are in the tree with their bounds.
    event_hub::instance().fire(this, event_type::created);
}

void widget::create_child(widget& child, const rect& area) {
    child.window = window;
    add_child(&child);
    child.create(area);
}

void widget::set_parent(widget* new_parent) {
    parent = new_parent;
    if (parent == nullptr) return;
    event_hub::instance().fire(this, event_type::parent_set, event_param(parent));
    const size parent_size{parent->bounds.width, parent->bounds.height};
    event_hub::instance().fire(this, event_type::parent_resized, event_param(&parent_size));
}

void widget::set_shown(bool value) {
    if (shown == value) return;
    shown = value;
    pass_shown(*this, value);
    fire_on_descendants(*this, value ? event_type::parent_shown : event_type::parent_hidden);
    event_hub::instance().fire(this, value ? event_type::shown : event_type::hidden);
    invalidate(false);
    // What a screen reader can reach below the client changed.
    if (created && window != nullptr) window->note_tree_changed();
}

void widget::set_enabled(bool value) {
    if (enabled == value) return;
    enabled = value;
    pass_enabled(*this, value);
    event_hub::instance().fire(this, value ? event_type::enabled : event_type::disabled);
    invalidate(false);
}

void widget::set_bounds(const rect& area, bool also_requested) {
    const rect clean{area.x, area.y, std::max(area.width, 0), std::max(area.height, 0)};
    if (also_requested) requested = clean;
    const rect old = bounds;
    bounds = clean;
    const bool resized = old.width != clean.width || old.height != clean.height;
    const bool moved = old.x != clean.x || old.y != clean.y;
    if (created) {
        event_hub& hub = event_hub::instance();
        if (resized) {
            const size previous{old.width, old.height};
            hub.fire(this, event_type::resized, event_param(&previous));
            for (widget* child : std::vector<widget*>(children)) {
                hub.fire(child, event_type::parent_resized, event_param(&previous));
                child->apply_anchors({clean.width, clean.height});
            }
        }
        if (moved) {
            const point previous{old.x, old.y};
            hub.fire(this, event_type::moved, event_param(&previous));
            for (widget* child : std::vector<widget*>(children)) {
                hub.fire(child, event_type::parent_moved, event_param(&previous));
            }
        }
    }
    if (resized || moved) {
        if (old.width >= 1 && old.height >= 1 && parent != nullptr) parent->invalidate(false);
    }
    invalidate(false);
}

void widget::apply_anchors(const size& parent_size) {
    place_on_axis(anchor_left, anchor_right, parent_size.width, bounds.x, bounds.width);
    place_on_axis(anchor_top, anchor_bottom, parent_size.height, bounds.y, bounds.height);
    invalidate(false);
}

void widget::announce(platform::access_event event) const {
    if (created && window != nullptr) window->announce(event, *this);
}

void widget::on_listening(event_object& sender, handler_id id) {
    if (&sender != this) connections[&sender].push_back(id);
}

}  // namespace pelsdk::ui
