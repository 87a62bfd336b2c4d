#include "installer/ui/installed_checkbox.h"

#include "ui/core/window.h"
#include "ui/theme/theme_lookup.h"

using namespace pelsdk::ui;

void InstalledCheckbox::paint() {
    renderer& drawing = window->drawing();
    // The picture holds the unticked state on top of the ticked one.
    const int32_t frame_top = ticked ? frame_size.height : 0;
    drawing.draw_image_part({box_rect.x, box_rect.y}, *image,
                            {0, frame_top, frame_size.width, frame_size.height}, 1.0f);

    drawing.set_text_color(theme_color(style, "checkbox_font_color"));
    use_caption_font(drawing);
    drawing.set_text_align(text_align::left, text_valign::center);
    if (!caption.empty()) drawing.draw_text(text_rect, caption, {});
}

std::optional<pelsdk::ui::access_description> InstalledCheckbox::describe() const {
    pelsdk::ui::access_description description =
        pelsdk::ui::described_as(pelsdk::platform::access_role::check_button, caption);
    description.value = ticked ? "installed" : "not installed";
    description.states = pelsdk::platform::access_state::read_only |
                         (ticked ? pelsdk::platform::access_state::checked : 0);
    return description;
}
