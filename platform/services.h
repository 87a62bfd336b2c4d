#pragma once

#include "platform/file_system.h"
#include "platform/module_resources.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system_info.h"

namespace pelsdk::platform {

// The operating-system services the installer reaches, handed down from the entry point
// (the Win32 ones) or from a test (the headless ones).
struct services {
    registry& keys;
    module_resources& resources;
    file_system& files;
    system_info& info;
    shell& launcher;
};

}  // namespace pelsdk::platform
