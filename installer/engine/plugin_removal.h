#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "installer/engine/command_line.h"
#include "installer/engine/install_log.h"
#include "platform/services.h"

// Removes Quintrel\Velkor.aex from a plug-in folder, and the Quintrel folder when that leaves it
// empty; nothing else is touched. 0 when no plug-in is there afterwards, also when there never
// was one; else the Windows error of the delete.
uint32_t RemovePluginFrom(pelsdk::platform::file_system& files, const std::wstring& pluginFolder);

struct RemovalTarget {
    std::string name;  // the version's display name, or the folder
    std::wstring folder;
    uint32_t error = 0;  // why the plug-in is still there; 0 once it is gone
};

struct RemovalPlan {
    std::vector<RemovalTarget> targets;
    // Every folder an installed copy may be in, selected or not: once none holds the plug-in,
    // the install is forgotten.
    std::vector<std::wstring> watched;
    std::string refusal;  // why the request is refused; empty when it is not
};

// Where a removal takes the plug-in out of: the detected versions (those /VERSIONS names, or
// all), the folders recorded at install (unless /VERSIONS narrows the removal) and /FOLDER;
// each folder once. Logs what it found and chose.
RemovalPlan PlanRemoval(const DeploymentRequest& request, pelsdk::platform::services& os,
                        InstallLog& log);

// Removes the plug-in from every target that still holds it, logging each; true when none does.
bool RemoveFromTargets(pelsdk::platform::services& os, std::vector<RemovalTarget>& targets,
                       InstallLog& log);

// After the targets are clear: forgets the install when no watched folder holds the plug-in any
// more, and logs the summary. The exit code.
int FinishRemoval(pelsdk::platform::services& os, const RemovalPlan& plan, InstallLog& log);
