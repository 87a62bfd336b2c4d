#pragma once

#include <memory>

#include "platform/win32/d2d_graphics.h"
#include "platform/win32/wic_imaging.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_folder_dialog.h"
#include "platform/win32/win32_menu.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_window_host.h"
#include "ui/core/window.h"

// Toolkit windows of the Windows tests: real Win32 windows drawn by Direct2D.
inline void UseWin32Windows() {
    static pelsdk::platform::d2d_graphics graphics;
    static pelsdk::platform::wic_imaging imaging;
    static pelsdk::platform::win32_shell shell;
    static pelsdk::platform::win32_menus menus;
    static pelsdk::platform::win32_clipboard clipboard;
    static pelsdk::platform::win32_folder_dialog folders;
    pelsdk::ui::use_window_platform(
        {[] { return std::make_unique<pelsdk::platform::win32_window_host>(); }, &graphics,
         &imaging, &shell, &menus, &clipboard, &folders});
}
