#pragma once

#include "installer/engine/command_line.h"
#include "installer/engine/install_log.h"
#include "platform/services.h"

// /UNINSTALL without /S, as Apps & features starts it: elevated first (the first instance waits
// for its elevated twin and returns its exit code), then the question, the removal with a retry
// on failure, and the result, all in the installer's popup. The exit code.
int RemoveWithPopups(const DeploymentRequest& request, pelsdk::platform::services& os,
                     InstallLog& log);
