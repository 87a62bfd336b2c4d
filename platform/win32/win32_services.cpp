#include "platform/win32/win32_services.h"

#include "platform/win32/d2d_graphics.h"
#include "platform/win32/wic_imaging.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_console.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_folder_dialog.h"
#include "platform/win32/win32_instance_lock.h"
#include "platform/win32/win32_menu.h"
#include "platform/win32/win32_module_resources.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_info.h"
#include "platform/win32/win32_window_host.h"

namespace pelsdk::platform {

services& win32_services() {
    static win32_registry keys;
    static win32_module_resources resources;
    static win32_file_system files;
    static win32_system_info info;
    static win32_shell launcher;
    static win32_instance_lock locks;
    static win32_console terminal;
    static d2d_graphics graphics;
    static wic_imaging imaging;
    static win32_menus menus;
    static win32_clipboard clips;
    static win32_folder_dialog folders;
    static services all{keys,     resources,
                        files,    info,
                        launcher, locks,
                        terminal, [] { return std::make_unique<win32_window_host>(); },
                        graphics, imaging,
                        menus,    clips,
                        folders};
    return all;
}

}  // namespace pelsdk::platform
