#pragma once

#include <optional>
#include <string>

#include "platform/accessibility.h"
#include "ui/base/geometry.h"

namespace pelsdk::ui {

// What assistive technology reads of a widget, or of a part of one that is no widget (a link
// inside a label). Focus, availability and place are added by the window's tree.
struct access_description {
    platform::access_role role = platform::access_role::grouping;
    std::string name;
    std::string value;
    std::string description;
    // Empty: none; else the verb of what a click does.
    std::string default_action;
    // The widget's own states: checked, pressed, read-only.
    uint32_t states = 0;
};

// A description of a role and name; the other fields are set one by one.
inline access_description described_as(platform::access_role role, std::string name = {}) {
    access_description description;
    description.role = role;
    description.name = std::move(name);
    return description;
}

// A part of a widget: its description and its area in the widget's dips.
struct access_part {
    access_description description;
    rect area;
};

}  // namespace pelsdk::ui
