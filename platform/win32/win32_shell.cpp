#include "platform/win32/win32_shell.h"

#include <windows.h>
#include <shellapi.h>

namespace pelsdk::platform {

namespace {

// The parameter block of the elevated start of the program's own file.
struct elevated_start {
    explicit elevated_start(const std::wstring& parameters, ULONG mask) {
        GetModuleFileNameW(nullptr, program, MAX_PATH);
        launch.cbSize = sizeof(launch);
        launch.fMask = mask;
        launch.hwnd = nullptr;
        launch.lpVerb = L"runas";
        launch.lpFile = program;
        launch.lpParameters = parameters.c_str();
        launch.lpDirectory = nullptr;
        launch.nShow = SW_SHOWDEFAULT;
    }
    wchar_t program[MAX_PATH];
    SHELLEXECUTEINFOW launch = {};
};

}  // namespace

bool win32_shell::relaunch_elevated(const std::wstring& parameters) {
    elevated_start start(parameters, 0);
    return ShellExecuteExW(&start.launch) != FALSE;
}

twin_result win32_shell::run_elevated_and_wait(const std::wstring& parameters) {
    elevated_start start(parameters, SEE_MASK_NOCLOSEPROCESS);
    if (!ShellExecuteExW(&start.launch)) return {false, GetLastError()};
    // No process when the shell handed the start to one already running: nothing to wait for.
    if (start.launch.hProcess == nullptr) return {true, 0};
    WaitForSingleObject(start.launch.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(start.launch.hProcess, &code);
    CloseHandle(start.launch.hProcess);
    return {true, code};
}

void win32_shell::open(const std::wstring& target) {
    ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

static_assert(sizeof(SHELLEXECUTEINFOW) == 112, "the 64-bit parameter block is 112 bytes");

}  // namespace pelsdk::platform
