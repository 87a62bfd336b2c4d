#include "installer/engine/version_list.h"

#include "installer/engine/install_status.h"
#include "installer/engine/path_helpers.h"

bool IsInstalled(const VersionEntry& row) {
    return row.status == StatusCode(InstallStatus::kInstalled);
}

std::vector<std::wstring> FoldersToWrite(const std::vector<VersionEntry>& rows) {
    std::vector<std::wstring> folders;
    folders.reserve(rows.size());
    for (const VersionEntry& row : rows) {
        folders.push_back(row.selected && !IsInstalled(row) ? row.pluginFolder : std::wstring());
    }
    return folders;
}

bool AllSelectedInstalled(const std::vector<VersionEntry>& rows) {
    for (const VersionEntry& row : rows) {
        if (row.selected && !IsInstalled(row)) return false;
    }
    return true;
}

std::vector<std::wstring> InstalledFolders(const std::vector<VersionEntry>& rows) {
    std::vector<std::wstring> folders;
    for (const VersionEntry& row : rows) {
        if (IsInstalled(row)) folders.push_back(row.pluginFolder);
    }
    return folders;
}

std::vector<VersionEntry> BuildVersionList(ThreadWorkData& data) {
    const std::vector<std::wstring> folders = data.DetectVersions();
    std::vector<VersionEntry> entries;
    for (size_t index = 0; index < folders.size(); ++index) {
        const std::wstring& folder = folders[index];
        if (folder.empty()) continue;
        entries.push_back(VersionEntry{static_cast<int32_t>(index), folder,
                                       JoinPath(ParentPath(folder), L"Scripts"), true, 0});
    }
    entries.push_back(VersionEntry{kCustomVersionIndex, L"", L"", false, 0});
    return entries;
}
