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

bool IsInstalled(const VersionEntry& row);
// One entry per row, in list order: the folder of a selected row not yet installed, else empty.
std::vector<std::wstring> FoldersToWrite(const std::vector<VersionEntry>& rows);
// True when every selected row is installed (also when none is selected).
bool AllSelectedInstalled(const std::vector<VersionEntry>& rows);
// The plug-in folders of the installed rows, in list order.
std::vector<std::wstring> InstalledFolders(const std::vector<VersionEntry>& rows);

// Detects the installed versions and lists them: known versions oldest first, unlisted
// versions in registry order, the custom folder last.
std::vector<VersionEntry> BuildVersionList(ThreadWorkData& data);
