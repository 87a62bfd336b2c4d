#pragma once

#include "ui/core/event_object.h"
#include "ui/core/geometry.h"
#include "ui/theme/widget_style.h"

namespace pelsdk::ui {

// A rectangle in dips inside its parent, with its own theme. Its children are drawn at
// `scale` times their size.
class widget : public event_object {
public:
    widget() = default;

    rect bounds{0, 0, 0, 0};
    float scale = 1.0f;
    widget_style style{this};
};

}  // namespace pelsdk::ui
