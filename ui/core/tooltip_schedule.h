#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/base/geometry.h"
#include "ui/core/tooltip_popup.h"

namespace pelsdk::ui {

class widget;
class window;

struct tooltip_entry {
    rect area;  // in the widget; empty: the whole widget
    std::string text_a;
    std::string text_b;
};

// When and where a window shows its tooltip: after the pointer has rested between 0.75 and
// 6 seconds on a registered area, beside the pointer and inside the work area. It owns the
// tooltip window, made by the factory of the tooltips added when a tooltip is first shown.
class tooltip_schedule {
public:
    static constexpr uint32_t kTimer = 0xFFFFFFFF;

    explicit tooltip_schedule(window& owner);
    ~tooltip_schedule();
    tooltip_schedule(const tooltip_schedule&) = delete;
    tooltip_schedule& operator=(const tooltip_schedule&) = delete;

    // Ignored when both texts are empty.
    void add(widget* target, const rect& area, std::string text_a, std::string text_b,
             tooltip_factory make_popup);
    void remove(widget* target);
    // Every 100 ms while any widget has a tooltip.
    void tick();
    void hide();
    void forget(const widget* gone);

    // Null until a tooltip is first shown.
    tooltip_popup* popup() const { return popup_.get(); }

private:
    const tooltip_entry* entry_under_pointer(widget& hovered) const;
    void show(const tooltip_entry& entry, widget& subject);

    window& owner_;
    tooltip_factory make_popup_ = nullptr;
    std::unique_ptr<tooltip_popup> popup_;
    std::unordered_map<widget*, std::vector<tooltip_entry>> entries_;
    widget* tooltip_owner_ = nullptr;
    float hover_time_ = 0;
    rect tooltip_rect_{0, 0, 0, 0};
};

}  // namespace pelsdk::ui
