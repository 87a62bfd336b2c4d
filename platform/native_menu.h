#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/window_host.h"

namespace pelsdk::platform {

// A native popup menu: the Win32 one (CreatePopupMenu, AppendMenuA, TrackPopupMenuEx), or a
// scripted stand-in that answers as a test says.
class native_menu {
public:
    virtual ~native_menu() = default;
    // A parent id of -1 is the root; the text goes to the system as it is.
    virtual void add_item(uint32_t command_id, int32_t parent_id, std::string_view text) = 0;
    // Shows the menu at a screen position in pixels, owned by a window, until the user chooses
    // or dismisses it: the chosen command id, or 0.
    virtual uint32_t track(const int_point& screen_pixels, window_host& owner) = 0;
};

class menu_system {
public:
    virtual ~menu_system() = default;
    virtual std::unique_ptr<native_menu> create_menu() = 0;
};

}  // namespace pelsdk::platform
