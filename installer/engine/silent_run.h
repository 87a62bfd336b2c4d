#pragma once

#include "installer/engine/command_line.h"
#include "installer/engine/install_log.h"
#include "platform/services.h"

// A run with /S: no window, no question and no elevation prompt; what happened is in the log and
// the exit code. It installs into the selection with the wizard's worker and statuses, or, with
// /UNINSTALL, removes the plug-in.
int RunSilently(const DeploymentRequest& request, pelsdk::platform::services& os, InstallLog& log);
