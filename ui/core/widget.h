#pragma once

#include <climits>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/base/geometry.h"
#include "ui/core/accessible.h"
#include "ui/core/event_hub.h"
#include "ui/core/event_object.h"
#include "ui/theme/widget_style.h"

namespace pelsdk::ui {

class window;

struct anchor {
    bool set = false;
    int32_t distance = 0;
};

// A rectangle in dips inside its parent, with its own theme, children, visibility and enabled
// flags, anchors, a minimum size and a scale for its children. A parent never owns its
// children. Until `create` geometry changes fire nothing and invalidate nothing.
class widget : public event_object {
public:
    widget() = default;
    ~widget() override;

    // True when the parent had handlers for child_added.
    virtual bool add_child(widget* child);
    virtual void remove_child(widget* child);
    virtual void remove_all_children();
    // Asks the window to repaint this widget's rectangle, at once with update_now.
    virtual void invalidate(bool update_now);
    virtual bool is_visible(bool with_ancestors) const;

    // Requires `window` to be set (and the widget added to its parent) first.
    void create(const rect& area);
    // Makes `child` a created child of this widget, in this widget's window, at `area`.
    void create_child(widget& child, const rect& area);
    void set_parent(widget* new_parent);
    void set_shown(bool value);
    void set_enabled(bool value);
    // Negative sizes become 0.
    void set_bounds(const rect& area, bool also_requested);
    void apply_anchors(const size& parent_size);
    void set_name(std::string text) { name = std::move(text); }

    bool is_enabled() const { return enabled && parent_enabled; }

    // What assistive technology reads of the widget; none for a plain widget, whose children
    // then stand in its place.
    virtual std::optional<access_description> describe() const { return std::nullopt; }
    // Its parts that are no widgets of their own, in reading order.
    virtual std::vector<access_part> access_parts() const { return {}; }
    // Tells assistive technology that the widget changed (once it is created in a window).
    void announce(platform::access_event event) const;

    // Its changes reach the widget as style_changed, with the key's address.
    widget_style style{[this](const theme_key& key) {
        event_hub::instance().fire(this, event_type::style_changed, event_param(&key));
    }};
    bool created = false;
    std::unordered_map<event_object*, std::vector<handler_id>> connections;
    widget* parent = nullptr;
    ui::window* window = nullptr;
    std::vector<widget*> children;
    std::string name = "Widget";
    bool shown = false;
    bool parent_shown = true;
    bool focusable = false;
    bool enabled = true;
    bool parent_enabled = true;
    bool catch_child_clicks = false;
    rect bounds{0, 0, 0, 0};
    rect requested{0, 0, 0, 0};
    size min_size{INT32_MIN, INT32_MIN};
    anchor anchor_top, anchor_bottom, anchor_left, anchor_right;
    float scale = 1.0f;

protected:
    // What a widget hears from another object (typically a child) goes when that child is
    // removed.
    void on_listening(event_object& sender, handler_id id) override;

private:
    void detach(widget* child);
};

}  // namespace pelsdk::ui
