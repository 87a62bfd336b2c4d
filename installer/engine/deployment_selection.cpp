#include "installer/engine/deployment_selection.h"

#include <algorithm>

#include "installer/engine/path_helpers.h"

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return EqualIgnoringCase(Utf8ToWide(a), Utf8ToWide(b));
}

bool IsCustom(const VersionEntry& row) { return row.index == kCustomVersionIndex; }

}  // namespace

std::vector<VersionEntry> DetectAndLog(ThreadWorkData& data, InstallLog& log) {
    std::vector<VersionEntry> rows = BuildVersionList(data);
    for (const VersionEntry& row : rows) {
        if (IsCustom(row)) continue;
        log.Write("Found After Effects " + data.versionNames[row.index] + ", plug-in folder " +
                  WideToUtf8(row.pluginFolder));
    }
    if (rows.size() == 1) log.Write("Found no After Effects version");
    return rows;
}

std::string RowName(const VersionEntry& row, const std::vector<std::string>& versionNames) {
    return IsCustom(row) ? WideToUtf8(row.pluginFolder) : versionNames[row.index];
}

std::string SelectTargets(const DeploymentRequest& request,
                          const std::vector<std::string>& versionNames,
                          std::vector<VersionEntry>& rows) {
    std::string found;
    for (VersionEntry& row : rows) {
        if (IsCustom(row)) continue;
        const std::string& name = versionNames[row.index];
        found += (found.empty() ? "" : ", ") + name;
        if (request.versions.empty()) continue;
        row.selected = std::any_of(request.versions.begin(), request.versions.end(),
                                   [&](const std::string& asked) { return SameName(asked, name); });
    }
    for (const std::string& asked : request.versions) {
        const bool known = std::any_of(rows.begin(), rows.end(), [&](const VersionEntry& row) {
            return !IsCustom(row) && SameName(asked, versionNames[row.index]);
        });
        if (!known) {
            return "/VERSIONS names " + asked + ", which is not an After Effects version found here" +
                   (found.empty() ? "" : " (found: " + found + ")");
        }
    }
    if (!request.folder.empty() && !rows.empty() && IsCustom(rows.back())) {
        rows.back().pluginFolder = request.folder;
        rows.back().selected = true;
    }
    return "";
}

std::string SelectedNames(const std::vector<VersionEntry>& rows,
                          const std::vector<std::string>& versionNames) {
    std::string names;
    for (const VersionEntry& row : rows) {
        if (row.selected) names += (names.empty() ? "" : ", ") + RowName(row, versionNames);
    }
    return names;
}
