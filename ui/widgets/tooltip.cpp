#include "ui/widgets/tooltip.h"

#include <algorithm>

#include "ui/render/theme_font.h"
#include "ui/theme/theme_lookup.h"

namespace pelsdk::ui {

tooltip::tooltip(platform::services& platform) : window(platform) {
    listen(root, event_type::paint, [this](const event_info&) { paint(); });
}

namespace {

constexpr font_keys kTitleFont{"tooltip_title_font_name", "tooltip_title_font_size",
                               "tooltip_title_font_weight", "tooltip_title_font_style"};
constexpr font_keys kBodyFont{"tooltip_font_name", "tooltip_font_size", "tooltip_font_weight",
                              "tooltip_font_style"};

}  // namespace

const widget_style& tooltip::theme() const { return subject != nullptr ? subject->style : root.style; }

size tooltip::measure(const std::string& text, const font_keys& font) {
    use_theme_font(drawing(), theme(), font, false);
    return text.empty() ? size{0, 0} : drawing().measure_text(text, {0, 0}, {});
}

void tooltip::show(const point& position, std::string title_text, std::string body_text,
                   widget* subject_widget) {
    title = std::move(title_text);
    body = std::move(body_text);
    subject = subject_widget;
    gap = !title.empty() && !body.empty() ? 2 : 0;
    title_size = measure(title, kTitleFont);
    body_size = measure(body, kBodyFont);
    content_size = {std::max(title_size.width, body_size.width),
                    title_size.height + gap + body_size.height};
    resize({position.x, position.y, content_size.width + 16, content_size.height + 8});
    shown = true;
    host().show_inactive();
    host().keep_in_work_area();
}

void tooltip::hide() {
    host().hide();
    shown = false;
    event_hub::instance().fire(this, event_type::hidden);
}

void tooltip::forget(const widget* gone) {
    if (subject == gone) subject = nullptr;
}

void tooltip::paint() {
    const widget_style& style = theme();
    const int32_t w = root.bounds.width, h = root.bounds.height;
    renderer& draw = drawing();
    draw.set_fill_color(theme_color(style, "tooltip_back_color"));
    draw.fill_rect({0, 0, w, h});
    draw.set_stroke(theme_color(style, "tooltip_border_color"), 1.0f);
    draw.draw_rect({0, 0, w, h});
    draw.set_stroke(theme_color(style, "tooltip_border_color_1"), 1.0f);
    draw.draw_rect({1, 1, w - 2, h - 2});

    draw.set_text_color(theme_color(style, "tooltip_title_font_color"));
    use_theme_font(draw, style, kTitleFont, false);
    draw.set_text_align(text_align::left, text_valign::top);
    if (!title.empty()) draw.draw_text({8, 4, w - 16, title_size.height}, title, {});

    draw.set_text_color(theme_color(style, "tooltip_font_color"));
    use_theme_font(draw, style, kBodyFont, false);
    draw.set_text_align(text_align::left, text_valign::top);
    if (!body.empty()) {
        draw.draw_text({8, title_size.height + gap + 4, w - 16, body_size.height}, body, {});
    }
}

namespace {

std::unique_ptr<tooltip_popup> make_tooltip(window& owner) {
    auto popup = std::make_unique<tooltip>(owner.platform());
    popup->owner = &owner;
    popup->create("", {0, 0, 400, 200},
                  platform::window_flags::borderless | platform::window_flags::topmost);
    return popup;
}

}  // namespace

void add_tooltip(widget& target, const rect& area, std::string text_a, std::string text_b) {
    target.window->add_tooltip(&target, area, std::move(text_a), std::move(text_b), &make_tooltip);
}

tooltip* tooltip_of(const window& owner) { return dynamic_cast<tooltip*>(owner.tooltip_window()); }

}  // namespace pelsdk::ui
