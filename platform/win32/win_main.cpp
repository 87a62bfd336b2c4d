#include <windows.h>

#include <memory>

#include "installer/ui/entry_point.h"
#include "platform/win32/d2d_graphics.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/wic_imaging.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_folder_dialog.h"
#include "platform/win32/win32_menu.h"
#include "platform/win32/win32_window_host.h"
#include "ui/core/window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    // Before anything can load a DLL: only System32 is searched, never the download folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    static pelsdk::platform::d2d_graphics graphics;
    static pelsdk::platform::wic_imaging imaging;
    static pelsdk::platform::win32_menus menus;
    static pelsdk::platform::win32_clipboard clipboard;
    static pelsdk::platform::win32_folder_dialog folders;
    pelsdk::platform::services& os = pelsdk::platform::win32_services();
    pelsdk::ui::use_window_platform(
        {[] { return std::make_unique<pelsdk::platform::win32_window_host>(); }, &graphics,
         &imaging, &os.launcher, &menus, &clipboard, &folders});
    return InstallerMain(commandLine, os);
}
