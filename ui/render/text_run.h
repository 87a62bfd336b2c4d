#pragma once

#include <cstdint>
#include <string>

#include "ui/base/color.h"
#include "ui/render/text_enums.h"

namespace pelsdk::ui {

// One styled range of rich text. Positions count UTF-16 code units; end is exclusive. A colour
// of {0, 0, 0, 0} means the current text colour; a non-empty link is opened when the run is
// clicked.
struct text_run {
    font_weight weight = font_weight::normal;
    font_style style = font_style::normal;
    bool underline = false;
    std::string family;
    float size = 11.0f;
    uint32_t start = 0;
    uint32_t end = 0;
    ui::color color{0, 0, 0, 0};
    std::string link;
};

}  // namespace pelsdk::ui
