#include "installer/ui/link_button.h"

#include "ui/core/window.h"

using namespace pelsdk::ui;

LinkButton::LinkButton() {
    event_hub::instance().register_handler(this, this, event_type::created,
                                           [this](const event_info&) { OnCreated(); });
}

void LinkButton::OnCreated() {
    auto on = [this](event_type type, event_handler handler) {
        event_hub::instance().register_handler(this, this, type, std::move(handler));
    };
    on(event_type::mouse_enter, [this](const event_info&) { ShowPointerOver(true); });
    on(event_type::mouse_leave, [this](const event_info&) { ShowPointerOver(false); });
    // A link hidden under the pointer gives the arrow back at once; its underline stays until
    // the pointer next leaves it.
    on(event_type::hidden, [this](const event_info&) {
        window->host().set_cursor(pelsdk::platform::cursor_shape::arrow);
    });
}

// Changing the underline announces a style change, which repaints the button.
void LinkButton::ShowPointerOver(bool over) {
    style.set_value("button_text_underlined", over);
    window->host().set_cursor(over ? pelsdk::platform::cursor_shape::hand
                                   : pelsdk::platform::cursor_shape::arrow);
}
