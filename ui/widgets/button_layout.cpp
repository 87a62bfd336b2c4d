#include "ui/widgets/button_layout.h"

#include <algorithm>

namespace pelsdk::ui {

clipped_caption clipped_caption_area(text_align align, const size& button, const size& margins) {
    const int32_t mx = margins.width, my = margins.height;
    const int32_t height = button.height - 2 * my;
    const rect clip{mx, my, button.width - 2 * mx, height};
    switch (align) {
        case text_align::left:
            return {{mx, my, button.width + 1000, height}, clip};
        case text_align::right:
            return {{-1000, my, button.width + 1000 - 2 * mx, height}, clip};
        default:
            return {{-500, my, button.width + 1000 - 2 * mx, height}, clip};
    }
}

int32_t auto_width(int32_t text_width, const size& limits, int32_t margin_x) {
    const int32_t lowest = std::max(limits.width, 2 * margin_x);
    const int32_t highest = limits.height == 0 ? 10000 : limits.height;
    return std::max(lowest, std::min(highest, text_width + 30));
}

}  // namespace pelsdk::ui
