#pragma once

#include <functional>
#include <memory>

#include "platform/clipboard.h"
#include "platform/console.h"
#include "platform/file_system.h"
#include "platform/folder_dialog.h"
#include "platform/image_decoder.h"
#include "platform/instance_lock.h"
#include "platform/module_resources.h"
#include "platform/native_menu.h"
#include "platform/registry.h"
#include "platform/render_backend.h"
#include "platform/shell.h"
#include "platform/system_info.h"
#include "platform/window_host.h"

namespace pelsdk::platform {

// Everything the program asks of the operating system, made once by the entry point (the Win32
// services) or by a test (the simulated machine) and handed to the application; a window keeps
// it, and its widgets reach it through their window.
struct services {
    registry& keys;
    module_resources& resources;
    file_system& files;
    system_info& info;
    shell& launcher;
    instance_lock& locks;
    console& terminal;
    // What windows are made of and the native services they offer.
    std::function<std::unique_ptr<window_host>()> make_window_host;
    graphics_system& graphics;
    imaging_system& imaging;
    menu_system& menus;
    clipboard& clips;
    folder_dialog& folders;
};

}  // namespace pelsdk::platform
