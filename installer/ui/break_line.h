#pragma once

#include "ui/widgets/generic_panel.h"

// A one-dip horizontal rule across the middle of its area, in the theme's `breakline_color`.
class BreakLine : public pelsdk::ui::generic_panel {
public:
    void paint() override;
};
