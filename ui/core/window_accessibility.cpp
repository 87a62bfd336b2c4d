#include "ui/core/window_accessibility.h"

#include "ui/core/widget_geometry.h"
#include "ui/core/window.h"

namespace pelsdk::ui {

namespace {

namespace state = platform::access_state;

// What the tree knows of a widget beyond its own description.
uint32_t tree_states(const widget& target, const access_description& description,
                     const window& owner) {
    uint32_t states = description.states;
    if (target.focusable && target.is_enabled()) states |= state::focusable;
    if (owner.focused == &target) states |= state::focused;
    // A read-only line is disabled to keep the pointer off it, not to say it is unavailable.
    if (!target.is_enabled() && (states & state::read_only) == 0) states |= state::unavailable;
    return states;
}

rect moved_by(const rect& area, const rect& origin) {
    return {origin.x + area.x, origin.y + area.y, area.width, area.height};
}

// A widget's box in window dips.
rect window_box_of(const widget& target) {
    const update_area box = invalidation_box(target);
    return {box.left, box.top, box.right - box.left, box.bottom - box.top};
}

}  // namespace

std::vector<platform::access_element> window_accessibility::elements() {
    std::vector<platform::access_element> out;
    out.push_back(element_of(owner_.describe_client(), 0, window_box_of(owner_.root)));
    collect(owner_.root, 0, out);
    return out;
}

// Parents are named by index: `out` moves its elements as it grows.
void window_accessibility::collect(const widget& from, size_t parent_index,
                                   std::vector<platform::access_element>& out) {
    for (const widget* child : std::vector<widget*>(from.children)) {
        if (!child->is_visible(true)) continue;
        const std::optional<access_description> description = child->describe();
        if (!description) {
            collect(*child, parent_index, out);
            continue;
        }
        const rect box = window_box_of(*child);
        platform::access_element element = element_of(*description, id_for({child, -1}), box);
        element.states = tree_states(*child, *description, owner_);
        std::vector<platform::access_element> parts;
        const std::vector<access_part> described = child->access_parts();
        for (size_t i = 0; i < described.size(); ++i) {
            parts.push_back(element_of(described[i].description,
                                       id_for({child, static_cast<int32_t>(i)}),
                                       moved_by(described[i].area, box)));
            parts.back().states |= element.states & state::unavailable;
            element.children.push_back(parts.back().id);
        }
        out[parent_index].children.push_back(element.id);
        out.push_back(std::move(element));
        const size_t index = out.size() - 1;
        out.insert(out.end(), parts.begin(), parts.end());
        collect(*child, index, out);
    }
}

platform::access_element window_accessibility::element_of(const access_description& description,
                                                          int32_t id,
                                                          const rect& window_box) const {
    platform::access_element element;
    element.id = id;
    element.role = description.role;
    element.name = description.name;
    element.value = description.value;
    element.description = description.description;
    element.default_action = description.default_action;
    element.states = description.states;
    element.bounds = to_pixels(window_box);
    return element;
}

platform::access_rect window_accessibility::to_pixels(const rect& box) const {
    const point from = owner_.to_pixels({box.x, box.y});
    const point to = owner_.to_pixels({box.x + box.width, box.y + box.height});
    return {from.x, from.y, to.x - from.x, to.y - from.y};
}

int32_t window_accessibility::element_at(int32_t client_x, int32_t client_y) {
    const point at = owner_.to_dips(point{client_x, client_y});
    const rect client = window_box_of(owner_.root);
    if (!contains({0, 0, client.width, client.height}, at)) return -1;
    for (const widget* hit = owner_.hit_test(at); hit != nullptr; hit = hit->parent) {
        if (!hit->describe()) continue;
        const rect box = window_box_of(*hit);
        const std::vector<access_part> parts = hit->access_parts();
        for (size_t i = 0; i < parts.size(); ++i) {
            if (contains(moved_by(parts[i].area, box), at)) {
                return id_for({hit, static_cast<int32_t>(i)});
            }
        }
        return id_for({hit, -1});
    }
    return 0;
}

int32_t window_accessibility::focused_element() {
    return owner_.focused != nullptr ? id_of(*owner_.focused) : 0;
}

// A click at the element's centre, as the pointer would make it.
bool window_accessibility::do_default_action(int32_t id) {
    const auto found = find(id);
    if (!found) return false;
    const auto& [subject, box] = *found;
    const widget& target = *subject.first;
    const std::optional<access_description> description =
        subject.second < 0 ? target.describe()
                           : std::optional(target.access_parts()[subject.second].description);
    if (!description || description->default_action.empty() || !target.is_visible(true) ||
        !target.is_enabled()) {
        return false;
    }
    owner_.click_at({box.x + box.width / 2, box.y + box.height / 2});
    return true;
}

int32_t window_accessibility::id_of(const widget& target) {
    return target.describe() ? id_for({&target, -1}) : 0;
}

int32_t window_accessibility::id_for(const key& subject) {
    const auto [entry, added] = ids_.try_emplace(subject, last_id_ + 1);
    if (added) ++last_id_;
    return entry->second;
}

void window_accessibility::forget(const widget& gone) {
    for (auto it = ids_.lower_bound({&gone, -1}); it != ids_.end() && it->first.first == &gone;) {
        it = ids_.erase(it);
    }
}

std::optional<std::pair<window_accessibility::key, rect>> window_accessibility::find(
    int32_t id) const {
    for (const auto& [subject, known] : ids_) {
        if (known != id) continue;
        const rect box = window_box_of(*subject.first);
        if (subject.second < 0) return std::pair{subject, box};
        const std::vector<access_part> parts = subject.first->access_parts();
        if (static_cast<size_t>(subject.second) >= parts.size()) return std::nullopt;
        return std::pair{subject, moved_by(parts[subject.second].area, box)};
    }
    return std::nullopt;
}

}  // namespace pelsdk::ui
