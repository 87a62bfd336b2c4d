#include "platform/win32/win32_services.h"

#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_module_resources.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_info.h"

namespace pelsdk::platform {

services& win32_services() {
    static win32_registry keys;
    static win32_module_resources resources;
    static win32_file_system files;
    static win32_system_info info;
    static win32_shell launcher;
    static services all{keys, resources, files, info, launcher};
    return all;
}

}  // namespace pelsdk::platform
