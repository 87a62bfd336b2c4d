// The shipped VelkorInstaller.exe started with "/UAC" anywhere in its command line; the start
// without it, which relaunches elevated, is the walk-through's.
#include <gtest/gtest.h>

#include "tests/e2e/installer_process.h"

namespace {

TEST(InstallerStart, UacAnywhereRunsTheInstallerDirectly) {
    HANDLE process = StartInstaller(InstallerPath(), L"--from-setup/UAC");
    ASSERT_NE(process, nullptr);
    HWND installer = WaitForInstallerWindow(30000);
    ASSERT_NE(installer, nullptr);
    DWORD owner_id = 0;
    GetWindowThreadProcessId(installer, &owner_id);
    EXPECT_EQ(owner_id, GetProcessId(process)) << "no relaunch: this process shows the window";
    PostMessageW(installer, WM_CLOSE, 0, 0);
    EXPECT_EQ(RunToEnd(process, 20000), 0u);
    CloseHandle(process);
}

}  // namespace
