#pragma once

#include <string>
#include <vector>

#include "installer/engine/command_line.h"
#include "installer/engine/install_log.h"
#include "installer/engine/version_list.h"

// Detects the versions exactly as the wizard does and logs each with its plug-in folder.
std::vector<VersionEntry> DetectAndLog(ThreadWorkData& data, InstallLog& log);

// How a row is named in the log and the popups: its version's display name, or its folder for
// the custom row.
std::string RowName(const VersionEntry& row, const std::vector<std::string>& versionNames);

// Applies the request to the rows, which start as the wizard preselects them: /VERSIONS keeps
// the detected versions of those display names (in any case), /FOLDER fills and selects the
// custom row. Returns why the request is refused (a name no detected version has), or "".
std::string SelectTargets(const DeploymentRequest& request,
                          const std::vector<std::string>& versionNames,
                          std::vector<VersionEntry>& rows);

// The names of the selected rows, comma-separated.
std::string SelectedNames(const std::vector<VersionEntry>& rows,
                          const std::vector<std::string>& versionNames);
