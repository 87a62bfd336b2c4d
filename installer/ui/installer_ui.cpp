#include "installer/ui/installer_ui.h"

InstallerUI::InstallerUI(pelsdk::platform::services& os) : workData(os) {
    create("Velkor Plug-in for After Effects Installer", kInstallerWindowRect, 0);
    versionEntries = BuildVersionList(workData);
    center();
}

InstallerUI::~InstallerUI() {
    if (workerThread.joinable()) workerThread.join();
}
