#pragma once

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/accessibility.h"
#include "ui/base/geometry.h"
#include "ui/core/accessible.h"

namespace pelsdk::ui {

class widget;
class window;

// A window's widgets as assistive technology reads them: every shown widget that describes
// itself, with its parts, in creation order under the client area; the others pass their
// children up. Ids stay with their widget (or part) until it goes.
class window_accessibility final : public platform::access_source {
public:
    explicit window_accessibility(window& owner) : owner_(owner) {}

    std::vector<platform::access_element> elements() override;
    int32_t element_at(int32_t client_x, int32_t client_y) override;
    int32_t focused_element() override;
    bool do_default_action(int32_t id) override;

    // The id of a widget that describes itself; 0 for one that does not.
    int32_t id_of(const widget& target);
    void forget(const widget& gone);

private:
    // Widgets are keyed by themselves and part -1; a part by its widget and index.
    using key = std::pair<const widget*, int32_t>;

    int32_t id_for(const key& subject);
    void collect(const widget& from, size_t parent_index,
                 std::vector<platform::access_element>& out);
    platform::access_element element_of(const access_description& description, int32_t id,
                                        const rect& window_box) const;
    // The widget or part an id names, and its box in window dips.
    std::optional<std::pair<key, rect>> find(int32_t id) const;
    platform::access_rect to_pixels(const rect& window_box) const;

    window& owner_;
    std::map<key, int32_t> ids_;
    int32_t last_id_ = 0;
};

}  // namespace pelsdk::ui
