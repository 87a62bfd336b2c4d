#pragma once

#include <memory>

#include "platform/headless/recording_graphics.h"
#include "platform/headless/recording_shell.h"
#include "platform/headless/scripted_services.h"
#include "platform/headless/scripted_window_host.h"
#include "ui/core/window.h"
#ifdef _WIN32
#include "platform/win32/wic_imaging.h"
#else
#include "platform/headless/stb_imaging.h"
#endif

// Toolkit windows of the tests: scripted native windows drawing into one recording backend,
// real picture decoding, a shell that records the links it is asked to open, and scripted menus,
// clipboard and folder dialog.
inline pelsdk::platform::recording_graphics& RecordingGraphics() {
    static pelsdk::platform::recording_graphics graphics;
    return graphics;
}

inline pelsdk::platform::recording_shell& RecordingShell() {
    static pelsdk::platform::recording_shell shell;
    return shell;
}

inline pelsdk::platform::scripted_menus& ScriptedMenus() {
    static pelsdk::platform::scripted_menus menus;
    return menus;
}

inline pelsdk::platform::recording_clipboard& RecordingClipboard() {
    static pelsdk::platform::recording_clipboard clipboard;
    return clipboard;
}

inline pelsdk::platform::scripted_folder_dialog& ScriptedFolders() {
    static pelsdk::platform::scripted_folder_dialog folders;
    return folders;
}

inline void UseScriptedWindows() {
#ifdef _WIN32
    static pelsdk::platform::wic_imaging imaging;
#else
    static pelsdk::platform::stb_imaging imaging;
#endif
    pelsdk::ui::use_window_platform(
        {[] { return std::make_unique<pelsdk::platform::scripted_window_host>(); },
         &RecordingGraphics(), &imaging, &RecordingShell(), &ScriptedMenus(),
         &RecordingClipboard(), &ScriptedFolders()});
}
