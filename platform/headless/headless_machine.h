#pragma once

#include <filesystem>
#include <memory>

#include "platform/headless/fixed_system_info.h"
#include "platform/headless/held_names.h"
#include "platform/headless/memory_module_resources.h"
#include "platform/headless/memory_registry.h"
#include "platform/headless/recording_console.h"
#include "platform/headless/recording_graphics.h"
#include "platform/headless/recording_shell.h"
#include "platform/headless/rooted_file_system.h"
#include "platform/headless/scripted_services.h"
#include "platform/headless/scripted_window_host.h"
#include "platform/services.h"

namespace pelsdk::platform {

// One simulated Windows machine whose drives live under a host folder: scripted windows drawing
// into one recording backend, a shell that records the links it is asked to open, scripted menus,
// clipboard and folder dialog, and the picture decoder it is given. The program runs from a small
// file standing for it in C:\Downloads.
class headless_machine {
public:
    headless_machine(const std::filesystem::path& root, imaging_system& imaging)
        : files(root),
          all{keys,     resources, files,   info,     launcher, locks, terminal,
              [] { return std::make_unique<scripted_window_host>(); },
              graphics, imaging,   menus,   clips,    folders} {
        files.add_file(info.program, "MZ the installer");
    }

    headless_machine(const headless_machine&) = delete;
    headless_machine& operator=(const headless_machine&) = delete;

    services& services_of() { return all; }

    memory_registry keys;
    memory_module_resources resources;
    rooted_file_system files;
    fixed_system_info info;
    recording_shell launcher;
    held_names locks;
    recording_console terminal;
    recording_graphics graphics;
    scripted_menus menus;
    recording_clipboard clips;
    scripted_folder_dialog folders;

private:
    services all;
};

}  // namespace pelsdk::platform
