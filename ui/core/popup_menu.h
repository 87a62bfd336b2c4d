#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/native_menu.h"

namespace pelsdk::ui {

class window;

// A native context menu: items with command ids, shown at the pointer.
class popup_menu {
public:
    // Made for, and shown over, the owner.
    explicit popup_menu(window& owner);
    virtual ~popup_menu();
    popup_menu(const popup_menu&) = delete;
    popup_menu& operator=(const popup_menu&) = delete;

    // parent_id -1 puts the item at the root; otherwise under the item with that command id,
    // which gets its submenu on first use.
    void add_item(uint32_t command_id, int32_t parent_id, std::string_view text);
    // Shows the menu at the pointer: the chosen command id, 0 when the menu was dismissed.
    uint32_t show_at_pointer();

private:
    window& owner_;
    std::unique_ptr<platform::native_menu> native_;
};

}  // namespace pelsdk::ui
