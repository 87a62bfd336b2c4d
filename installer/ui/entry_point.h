#pragma once

#include <string>

#include "platform/services.h"

// The program's start. With "/UAC" anywhere in the command line (case-sensitive) the installer
// runs; otherwise the program only relaunches itself elevated with exactly "/UAC". Returns the
// process exit code: 0, or 1 when the relaunch failed or was refused.
int InstallerMain(const std::wstring& commandLine, pelsdk::platform::services& os);

// One elevated installer run.
void RunInstaller(pelsdk::platform::services& os);
