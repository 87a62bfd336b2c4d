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

// A part of a widget: its description and its area in the widget's dips.
struct access_part {
    access_description description;
    rect area;
};

}  // namespace pelsdk::ui
