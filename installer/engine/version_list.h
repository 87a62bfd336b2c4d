#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "installer/engine/thread_work_data.h"

// One row of the installer's version list.
struct VersionEntry {
    int32_t index;             // into ThreadWorkData::versionNames; kCustomVersionIndex: custom
    std::wstring pluginFolder;  // where the plug-in goes
    std::wstring scriptFolder;  // the Scripts folder beside it; this installer writes no scripts
    bool selected;
    int32_t status;             // last InstallStatus seen for this row
};

// Detects the installed versions and lists them: known versions oldest first, unlisted
// versions in registry order, the custom folder last.
std::vector<VersionEntry> BuildVersionList(ThreadWorkData& data);
