#pragma once

#include <string>
#include <vector>

#include "installer/engine/thread_work_data.h"

inline constexpr uint16_t kPluginResourceId = 400;

// The install thread: writes the plug-in resource as Quintrel\Velkor.aex into every non-empty
// folder of pluginFolders, one status per folder, creates the shared Quintrel data folder and
// raises done last. The thread owns its copies of the lists. This installer carries no
// scripts: scriptFolders only sizes scriptStatus, and scriptRoot is unused.
void InstallWorker(ThreadWorkData* data, std::vector<std::wstring> pluginFolders,
                   std::vector<std::wstring> scriptFolders, std::wstring scriptRoot);
