#pragma once

#include <vector>

#include "ui/core/widget.h"
#include "ui/widgets/flow_layout.h"

namespace pelsdk::ui {

// Stacks its children top to bottom or left to right, can stretch some of them to share the
// free space, can size itself to its content and can follow its parent's size. Its handlers are
// registered when `created` arrives; children added before that are not part of its layout.
// What a flow panel follows besides its children's places.
struct flow_options {
    // The panel takes the size of its content along its orientation.
    bool size_to_content = false;
    // A child that resizes lays the panel out again.
    bool watch_child_sizes = false;
};

class flow_panel : public widget {
public:
    explicit flow_panel(flow_orientation direction, flow_options options = {});

    virtual void paint();
    void add_flexible_space();
    void add_fixed_space(int32_t length);
    // Places the children; the application calls it once it has added them.
    void layout();

    flow_orientation orientation;
    // Every child takes the panel's full cross size.
    bool fill_cross = false;
    // The panel takes its parent's remaining cross size. Set it before adding the panel to a
    // flow panel of the other orientation, which then stretches it.
    bool fill_parent_cross = false;
    bool size_to_content;
    // At least one item stretches: the panel also takes its parent's remaining main size.
    bool has_flexible = false;
    bool watch_child_sizes;
    std::vector<flow_item> items;

private:
    void on_created();
    void on_child_added(const event_info& info);
    void on_child_removed(const event_info& info);
    void on_resized(const event_info& info);
    void on_child_resized(const widget& child, const event_info& info);
    void fit_to_parent();
    void fit_to_content(int32_t content_length);
    bool stretches(const widget& child) const;

    handler_id created_handler_;
};

}  // namespace pelsdk::ui
