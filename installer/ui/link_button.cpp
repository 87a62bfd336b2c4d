#include "installer/ui/link_button.h"

#include "ui/core/window.h"
#include "ui/theme/theme_key.h"

using namespace pelsdk::ui;

LinkButton::LinkButton() {
    listen(*this, event_type::created, [this](const event_info&) { OnCreated(); });
}

void LinkButton::OnCreated() {
    listen(*this, event_type::mouse_enter, [this](const event_info&) { ShowPointerOver(true); });
    listen(*this, event_type::mouse_leave, [this](const event_info&) { ShowPointerOver(false); });
    // A link hidden under the pointer gives the arrow back at once; its underline stays until
    // the pointer next leaves it.
    listen(*this, event_type::hidden, [this](const event_info&) {
        window->host().set_cursor(pelsdk::platform::cursor_shape::arrow);
    });
}

void LinkButton::UseTextOnlyLook() {
    style.set_value("button_font_alignment", int32_t{0});
    for (const theme_key& key :
         {theme_key("button_color_normal"), theme_key("button_color_hover"),
          theme_key("button_border_color_normal"), theme_key("button_border_color_hover"),
          theme_key("button_border_color_focus")}) {
        style.set_value(key, color{0, 0, 0, 0});
    }
}

// Changing the underline announces a style change, which repaints the button.
void LinkButton::ShowPointerOver(bool over) {
    style.set_value("button_text_underlined", over);
    window->host().set_cursor(over ? pelsdk::platform::cursor_shape::hand
                                   : pelsdk::platform::cursor_shape::arrow);
}

std::optional<access_description> LinkButton::describe() const {
    access_description description = described_as(pelsdk::platform::access_role::link, caption);
    description.default_action = "Jump";
    return description;
}
