#include "installer/ui/entry_point.h"

#include "installer/ui/installer_ui.h"
#include "platform/application.h"

int pelsdk::platform::application_main(const std::wstring& command_line, services& os) {
    return InstallerMain(command_line, os);
}

int InstallerMain(const std::wstring& commandLine, pelsdk::platform::services& os) {
    if (commandLine.find(L"/UAC") != std::wstring::npos) {
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
