#include "installer/ui/progress_bar.h"

#include <cmath>

#include "ui/core/window.h"
#include "ui/theme/theme_lookup.h"

using namespace pelsdk::ui;

int32_t ProgressBar::DoneWidth() const {
    return static_cast<int32_t>(std::lround(static_cast<float>(bounds.width) * value));
}

std::optional<access_description> ProgressBar::describe() const {
    access_description description =
        described_as(pelsdk::platform::access_role::progress_bar, "Installation progress");
    description.value = std::to_string(std::lround(value * 100)) + "%";
    description.states = pelsdk::platform::access_state::read_only;
    return description;
}

void ProgressBar::paint() {
    renderer& drawing = window->drawing();
    drawing.set_fill_color(theme_color(style, "progress_bar_back_color"));
    drawing.fill_rect({0, 0, bounds.width, bounds.height});
    drawing.fill_vertical_gradient({0, 0, DoneWidth(), bounds.height},
                                   theme_color(style, "progress_bar_color1"),
                                   theme_color(style, "progress_bar_color2"));
}
