#pragma once

#include <cstdint>
#include <thread>
#include <vector>

#include "installer/engine/thread_work_data.h"
#include "installer/engine/version_list.h"
#include "ui/core/window.h"

// The client area of the installer window, in dips; the position gives way to centring.
inline constexpr pelsdk::ui::rect kInstallerWindowRect{600, 200, 1024, 610};

enum WizardPage : uint32_t { Welcome = 0, Versions = 1, Installing = 2, License = 3 };

// The installer's one window. It lives for the whole run; destroying it waits for a running
// install worker, so the process never ends in the middle of a write.
class InstallerUI : public pelsdk::ui::window {
public:
    explicit InstallerUI(pelsdk::platform::services& os);
    ~InstallerUI() override;

    ThreadWorkData workData;
    std::thread workerThread;
    std::vector<VersionEntry> versionEntries;
    uint32_t currentPage = Welcome;
    uint32_t previousPage = Welcome;
};
