#include "ui/core/popup_menu.h"

#include "ui/core/window.h"

namespace pelsdk::ui {

popup_menu::popup_menu(window& owner)
    : owner_(owner), native_(owner.platform().menus.create_menu()) {}

popup_menu::~popup_menu() = default;

void popup_menu::add_item(uint32_t command_id, int32_t parent_id, std::string_view text) {
    native_->add_item(command_id, parent_id, text);
}

// The pointer's screen position is taken in pixels as the system reports it: a round trip
// through dips could move the menu by a pixel at scales other than 100 %.
uint32_t popup_menu::show_at_pointer() {
    return native_->track(owner_.host().screen_cursor_position(), owner_.host());
}

}  // namespace pelsdk::ui
