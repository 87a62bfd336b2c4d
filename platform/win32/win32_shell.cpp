#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <shellapi.h>

namespace pelsdk::platform {

bool win32_shell::relaunch_elevated(const std::wstring& parameters) {
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);

    SHELLEXECUTEINFOW launch = {};
    launch.cbSize = sizeof(launch);
    launch.fMask = 0;
    launch.hwnd = nullptr;
    launch.lpVerb = L"runas";
    launch.lpFile = program;
    launch.lpParameters = parameters.c_str();
    launch.lpDirectory = nullptr;
    launch.nShow = SW_SHOWDEFAULT;
    return ShellExecuteExW(&launch) != FALSE;
}

void win32_shell::open(const std::wstring& target) {
    ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

static_assert(sizeof(SHELLEXECUTEINFOW) == 112, "the 64-bit parameter block is 112 bytes");

}  // namespace pelsdk::platform
