#pragma once

#include "platform/native_menu.h"

namespace pelsdk::platform {

// Popup menus made with CreatePopupMenu and shown with TrackPopupMenuEx(TPM_RETURNCMD).
class win32_menus final : public menu_system {
public:
    std::unique_ptr<native_menu> create_menu() override;
};

}  // namespace pelsdk::platform
