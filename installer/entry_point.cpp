#include "installer/entry_point.h"

#include "installer/thread_work_data.h"
#include "installer/version_list.h"

int InstallerMain(const std::wstring& commandLine, pelsdk::platform::services& os) {
    if (commandLine.find(L"/UAC") != std::wstring::npos) {
        RunInstaller(os);
        return 0;
    }
    // The first instance's own arguments are not passed on, and it does not wait.
    return os.launcher.relaunch_elevated(L"/UAC") ? 0 : 1;
}

void RunInstaller(pelsdk::platform::services& os) {
    ThreadWorkData data(os);
    BuildVersionList(data);
}
