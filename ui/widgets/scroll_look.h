#pragma once

#include "ui/base/geometry.h"
#include "ui/widgets/scroll_geometry.h"

namespace pelsdk::ui {

class image;
class renderer;
class widget_style;

// How a scroll bar's parts are drawn, in the bar's coordinates and with the bar's theme.

// The thumb's face and three grip lines across the bar, 3 dips apart around its middle and 4
// dips in from the bar's sides.
void draw_scroll_thumb(renderer& drawing, const widget_style& style, const scroll_axis& axis,
                       const rect& thumb, int32_t cross_length);

// The button's face, a line along its start edge and its arrow. The 8 x 8 arrow sheet holds
// the start arrow in its first half and the end arrow in its second (top and bottom for
// vertical bars, left and right for horizontal ones); the half is centred in the button. The
// sheet is loaded when first needed.
void draw_scroll_button(renderer& drawing, const widget_style& style, const scroll_axis& axis,
                        const rect& button, bool start, image& arrows);

}  // namespace pelsdk::ui
