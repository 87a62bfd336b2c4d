// The shipped VelkorInstaller.exe, started as a user would start it.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const wchar_t kTitle[] = L"Velkor Plug-in for After Effects Installer";

std::wstring InstallerPath() {
    const char* path = std::getenv("VELKOR_INSTALLER_EXE");
    return path ? std::wstring(path, path + strlen(path)) : L"";
}

DWORD RunToEnd(HANDLE process, DWORD timeout_ms) {
    if (WaitForSingleObject(process, timeout_ms) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process, &code);
    return code;
}

HWND WaitForWindow(DWORD timeout_ms) {
    for (DWORD waited = 0; waited < timeout_ms; waited += 100) {
        if (HWND found = FindWindowW(nullptr, kTitle); found && IsWindowVisible(found)) return found;
        Sleep(100);
    }
    return nullptr;
}

HANDLE Start(const std::wstring& arguments) {
    std::wstring command = L"\"" + InstallerPath() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return nullptr;
    }
    CloseHandle(started.hThread);
    return started.hProcess;
}

// Closes the installer window as the user would and returns its process's exit code.
DWORD CloseWindowOf(HWND installer) {
    DWORD id = 0;
    GetWindowThreadProcessId(installer, &id);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    PostMessageW(installer, WM_CLOSE, 0, 0);
    const DWORD code = process ? RunToEnd(process, 20000) : STILL_ACTIVE;
    if (process) CloseHandle(process);
    return code;
}

TEST(InstallerStart, RelaunchesElevatedAndShowsTheCentredWindow) {
    ASSERT_EQ(FindWindowW(nullptr, kTitle), nullptr) << "an installer is already running";
    HANDLE first = Start(L"");
    ASSERT_NE(first, nullptr);
    // The first instance only starts its twin and ends at once.
    EXPECT_EQ(RunToEnd(first, 20000), 0u);
    CloseHandle(first);

    HWND installer = WaitForWindow(30000);
    ASSERT_NE(installer, nullptr) << "the elevated twin shows the installer";
    RECT client{};
    GetClientRect(installer, &client);
    EXPECT_EQ(client.right, 1024);
    EXPECT_EQ(client.bottom, 610);
    RECT outer{};
    GetWindowRect(installer, &outer);
    EXPECT_LE(std::abs((outer.left + outer.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
    EXPECT_LE(std::abs((outer.top + outer.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 1);

    EXPECT_EQ(CloseWindowOf(installer), 0u);
}

TEST(InstallerStart, UacAnywhereRunsTheInstallerDirectly) {
    HANDLE process = Start(L"--from-setup/UAC");
    ASSERT_NE(process, nullptr);
    HWND installer = WaitForWindow(30000);
    ASSERT_NE(installer, nullptr);
    DWORD owner_id = 0;
    GetWindowThreadProcessId(installer, &owner_id);
    EXPECT_EQ(owner_id, GetProcessId(process)) << "no relaunch: this process shows the window";
    PostMessageW(installer, WM_CLOSE, 0, 0);
    EXPECT_EQ(RunToEnd(process, 20000), 0u);
    CloseHandle(process);
}

}  // namespace
