#pragma once

#include <string>

#include "ui/core/window.h"
#include "ui/render/theme_font.h"

namespace pelsdk::ui {

// The small borderless popup window that shows a title line and a body text beside the
// pointer. Its owning window decides when and where (tooltip_schedule); the tooltip stores the
// texts, sizes itself to them and paints with the theme of the widget it describes.
class tooltip : public window, public tooltip_popup {
public:
    explicit tooltip(platform::services& platform);

    void show(const point& position, std::string title_text, std::string body_text,
              widget* subject_widget) override;
    void hide() override;
    bool is_shown() const override { return shown; }
    void forget(const widget* gone) override;
    void paint();

    std::string title;
    std::string body;
    size title_size{0, 0};
    size body_size{0, 0};
    size content_size{0, 0};
    int32_t gap = 0;
    widget* subject = nullptr;
    bool shown = false;

private:
    const widget_style& theme() const;
    // Sets the font from the theme and gives the measured size of the text.
    size measure(const std::string& text, const font_keys& font);
};

// Shows the texts after the pointer rests on the area of the target (the whole target when
// empty) in a tooltip window of the target's window.
void add_tooltip(widget& target, const rect& area, std::string text_a, std::string text_b);

// The tooltip window of a window; null until a tooltip was first shown.
tooltip* tooltip_of(const window& owner);

}  // namespace pelsdk::ui
