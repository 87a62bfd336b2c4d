#include "ui/widgets/check_box_layout.h"

namespace pelsdk::ui {

std::optional<check_box_columns> arrange_columns(int32_t arrangement, int32_t width,
                                                 int32_t box_width, int32_t text_width,
                                                 int32_t gap) {
    const int32_t g = text_width < 1 ? 0 : gap;
    const int32_t centred = (width - box_width - g - text_width) / 2;
    switch (arrangement) {
        case 0:
            return check_box_columns{0, box_width + g};
        case 1:
            return check_box_columns{width - box_width - g - text_width, width - text_width};
        case 2:
            return check_box_columns{centred, centred + box_width + g};
        case 3:
            return check_box_columns{0, width - text_width};
        case 4:
            return check_box_columns{g + text_width, 0};
        case 5:
            return check_box_columns{width - box_width, width - box_width - g - text_width};
        case 6:
            return check_box_columns{centred + g + text_width, centred};
        case 7:
            return check_box_columns{width - box_width, 0};
        default:
            return std::nullopt;
    }
}

uint32_t check_box_frame(uint32_t frames, bool hover, bool disabled, bool ticked) {
    uint32_t frame = 0;
    if (hover && frames >= 4) frame = 2;
    if (disabled && frames >= 6) frame = 4;
    if (ticked && frames >= 2) frame += 1;
    return frame;
}

}  // namespace pelsdk::ui
