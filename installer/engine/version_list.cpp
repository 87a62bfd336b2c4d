#include "installer/engine/version_list.h"

#include "installer/engine/path_helpers.h"

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
