#include "platform/win32/win32_menu.h"

#include <windows.h>

#include <string>
#include <unordered_map>

namespace pelsdk::platform {

namespace {

class win32_menu final : public native_menu {
public:
    win32_menu() : root_(CreatePopupMenu()) {}
    // Destroys the submenus with the root.
    ~win32_menu() override { DestroyMenu(root_); }

    // A sub-item goes into the submenu of the item whose command id is its parent id, made on
    // first use; an unknown parent puts the item at the root.
    void add_item(uint32_t command_id, int32_t parent_id, std::string_view text) override {
        HMENU menu = root_;
        if (const auto parent = items_.find(parent_id); parent_id != -1 && parent != items_.end()) {
            menu = submenu_of(parent->second);
        }
        AppendMenuA(menu, MF_STRING, command_id, std::string(text).c_str());
        items_[static_cast<int32_t>(command_id)] = {command_id, nullptr, menu};
    }

    uint32_t track(const int_point& screen_pixels, window_host& owner) override {
        return static_cast<uint32_t>(TrackPopupMenuEx(root_, TPM_RETURNCMD, screen_pixels.x,
                                                      screen_pixels.y,
                                                      static_cast<HWND>(owner.handle()), nullptr));
    }

private:
    struct menu_item {
        uint32_t id;
        HMENU submenu;  // null until the item gets children
        HMENU menu;     // the menu that holds the item
    };

    HMENU submenu_of(menu_item& parent) {
        if (parent.submenu == nullptr) {
            parent.submenu = CreatePopupMenu();
            MENUITEMINFOW info{};
            info.cbSize = sizeof(info);
            info.fMask = MIIM_SUBMENU;
            info.hSubMenu = parent.submenu;
            SetMenuItemInfoW(parent.menu, parent.id, FALSE, &info);
        }
        return parent.submenu;
    }

    HMENU root_;
    std::unordered_map<int32_t, menu_item> items_;
};

}  // namespace

std::unique_ptr<native_menu> win32_menus::create_menu() { return std::make_unique<win32_menu>(); }

}  // namespace pelsdk::platform
