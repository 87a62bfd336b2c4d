#pragma once

#include "ui/core/widget.h"

namespace pelsdk::ui {

// The look of a widget that shows the pointer over it and its focus: `hover` follows the pointer
// in and out, and the widget repaints on each change and when the focus comes or goes.
void follow_hover_and_focus(widget& target, bool& hover);

}  // namespace pelsdk::ui
