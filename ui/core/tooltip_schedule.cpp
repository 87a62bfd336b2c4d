#include "ui/core/tooltip_schedule.h"

#include "platform/window_host.h"
#include "ui/core/window.h"

namespace pelsdk::ui {

tooltip_schedule::tooltip_schedule(window& owner) : owner_(owner) {}

tooltip_schedule::~tooltip_schedule() = default;

void tooltip_schedule::add(widget* target, const rect& area, std::string text_a,
                           std::string text_b, tooltip_factory make_popup) {
    if (text_a.empty() && text_b.empty()) return;
    make_popup_ = make_popup;
    if (entries_.empty() && owner_.tooltips_enabled) owner_.host().set_timer(kTimer, 100);
    entries_[target].push_back({area, std::move(text_a), std::move(text_b)});
}

void tooltip_schedule::remove(widget* target) {
    if (entries_.erase(target) != 0 && entries_.empty()) owner_.host().kill_timer(kTimer);
}

void tooltip_schedule::forget(const widget* gone) {
    if (tooltip_owner_ == gone) tooltip_owner_ = nullptr;
    if (popup_) popup_->forget(gone);
}

void tooltip_schedule::hide() {
    if (popup_ && popup_->is_shown()) popup_->hide();
}

const tooltip_entry* tooltip_schedule::entry_under_pointer(widget& hovered) const {
    const auto list = entries_.find(&hovered);
    if (list == entries_.end()) return nullptr;
    const point at = owner_.pointer_position(hovered);
    for (const tooltip_entry& entry : list->second) {
        const bool whole = entry.area.width == 0 && entry.area.height == 0;
        const rect area = whole ? rect{0, 0, hovered.bounds.width, hovered.bounds.height} : entry.area;
        if (contains_inclusive(area, at)) return &entry;
    }
    return nullptr;
}

void tooltip_schedule::tick() {
    widget* hovered = owner_.hovered;
    if (hovered != tooltip_owner_) {
        hover_time_ = 0;
        tooltip_owner_ = hovered;
        hide();
    } else if (hovered != nullptr && entries_.count(hovered) != 0) {
        const tooltip_entry* hit = entry_under_pointer(*hovered);
        if (hit == nullptr) {
            hover_time_ = 0;
            hide();
        } else if (hit->area != tooltip_rect_) {
            hover_time_ = 0;
            tooltip_rect_ = hit->area;
            hide();
        } else if (hover_time_ > 0.75f && hover_time_ < 6.0f && !(popup_ && popup_->is_shown()) &&
                   !owner_.button_held) {
            show(*hit, *hovered);
        }
    }
    hover_time_ += 0.1f;
}

// The pointer's screen position is in pixels, as window positions are. The tooltip window is
// made when first needed: under Wine each window's Direct2D target costs a fifth of a second,
// which a window with tooltips would otherwise pay before its first frame.
void tooltip_schedule::show(const tooltip_entry& entry, widget& subject) {
    if (!popup_) popup_ = make_popup_(owner_);
    const platform::int_point pointer = owner_.host().screen_cursor_position();
    popup_->show({pointer.x + 5, pointer.y + 20}, entry.text_a, entry.text_b, &subject);
}

}  // namespace pelsdk::ui
