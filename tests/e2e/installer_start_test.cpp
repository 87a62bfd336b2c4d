// The shipped VelkorInstaller.exe, started as a user would start it.
#include <gtest/gtest.h>

#include "tests/e2e/installer_process.h"

namespace {

TEST(InstallerStart, RelaunchesElevatedAndShowsTheCentredWindow) {
    ASSERT_EQ(FindWindowW(nullptr, kInstallerTitle), nullptr) << "an installer is already running";
    HANDLE first = StartInstaller(InstallerPath(), L"");
    ASSERT_NE(first, nullptr);
    // The first instance only starts its twin and ends at once.
    EXPECT_EQ(RunToEnd(first, 20000), 0u);
    CloseHandle(first);

    HWND installer = WaitForInstallerWindow(30000);
    ASSERT_NE(installer, nullptr) << "the elevated twin shows the installer";
    RECT client{};
    GetClientRect(installer, &client);
    EXPECT_EQ(client.right, 1024);
    EXPECT_EQ(client.bottom, 610);
    RECT outer{};
    GetWindowRect(installer, &outer);
    EXPECT_LE(std::abs((outer.left + outer.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
    EXPECT_LE(std::abs((outer.top + outer.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 1);

    EXPECT_EQ(CloseInstallerWindow(installer), 0u);
}

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
