#include "installer/ui/entry_point.h"

#include "installer/engine/command_line.h"
#include "installer/engine/exit_codes.h"
#include "installer/engine/install_log.h"
#include "installer/engine/path_helpers.h"
#include "installer/engine/product.h"
#include "installer/engine/silent_run.h"
#include "installer/ui/installer_popups.h"
#include "installer/ui/installer_ui.h"
#include "installer/ui/interactive_removal.h"
#include "platform/application.h"

namespace {

// Every deployment run is logged; a silent one also on the console it was started from.
int RunDeployment(const DeploymentRequest& request, const std::wstring& commandLine,
                  pelsdk::platform::services& os) {
    InstallLog log(os, request.logFile.empty() ? DefaultLogFile(os.info) : request.logFile,
                   request.silent);
    log.Write(VELKOR_EXE_FILENAME " " VELKOR_VERSION " started: " + WideToUtf8(commandLine));
    if (!request.refusal.empty()) {
        return log.End("Refused: " + request.refusal + "; nothing written", kExitBadCommandLine);
    }
    // Without /S the only deployment run is an interactive removal.
    return request.silent ? RunSilently(request, os, log) : RemoveWithPopups(request, os, log);
}

}  // namespace

int pelsdk::platform::application_main(const std::wstring& command_line, services& os) {
    return InstallerMain(command_line, os);
}

int InstallerMain(const std::wstring& commandLine, pelsdk::platform::services& os) {
    if (const auto request = ParseDeploymentSwitches(commandLine)) {
        return RunDeployment(*request, commandLine, os);
    }
    if (commandLine.find(L"/UAC") != std::wstring::npos) {
        // The wizard never started, so there is no wizard result to keep: the code says why.
        if (!HoldInstanceOrAsk(os)) return kExitAnotherInstance;
        RunInstaller(os);
        return 0;
    }
    // The first instance's own arguments are not passed on, and it does not wait.
    return os.launcher.relaunch_elevated(L"/UAC") ? 0 : 1;
}

// The run's result is ignored: the process returns 0 after any elevated run.
void RunInstaller(pelsdk::platform::services& os) {
    InstallerUI installer(os);
    installer.run();
}
