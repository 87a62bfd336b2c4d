#pragma once

#include <string>

#include "platform/services.h"

// The program's start. A command line with a deployment switch (/S, /UNINSTALL, /VERSIONS=,
// /FOLDER=, /LOG=) runs without the wizard and returns one of the deployment exit codes. Any other
// command line runs the installer when it holds "/UAC" anywhere (case-sensitive), and otherwise
// only relaunches the program elevated with exactly "/UAC", returning 0, or 1 when the relaunch
// failed or was refused.
int InstallerMain(const std::wstring& commandLine, pelsdk::platform::services& os);

// One elevated installer run.
void RunInstaller(pelsdk::platform::services& os);
