#pragma once

#include <filesystem>

#include "platform/headless/fixed_system_info.h"
#include "platform/headless/memory_module_resources.h"
#include "platform/headless/memory_registry.h"
#include "platform/headless/recording_shell.h"
#include "platform/headless/rooted_file_system.h"
#include "platform/services.h"

namespace pelsdk::platform {

// One simulated Windows machine whose drives live under a host folder.
class headless_machine {
public:
    explicit headless_machine(const std::filesystem::path& root)
        : files(root), all{keys, resources, files, info, launcher} {}

    headless_machine(const headless_machine&) = delete;
    headless_machine& operator=(const headless_machine&) = delete;

    services& services_of() { return all; }

    memory_registry keys;
    memory_module_resources resources;
    rooted_file_system files;
    fixed_system_info info;
    recording_shell launcher;

private:
    services all;
};

}  // namespace pelsdk::platform
