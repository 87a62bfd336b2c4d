#pragma once

// Starting VelkorInstaller.exe as a user does, finding its window and closing it.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

inline const wchar_t kInstallerTitle[] = L"Velkor Plug-in for After Effects Installer";

inline std::wstring InstallerPath() {
    const char* path = std::getenv("VELKOR_INSTALLER_EXE");
    return path ? std::wstring(path, path + std::strlen(path)) : L"";
}

// The process's exit code, or STILL_ACTIVE when it did not end in time.
inline DWORD RunToEnd(HANDLE process, DWORD timeout_ms) {
    if (WaitForSingleObject(process, timeout_ms) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process, &code);
    return code;
}

inline HWND WaitForInstallerWindow(DWORD timeout_ms) {
    for (DWORD waited = 0; waited < timeout_ms; waited += 100) {
        HWND found = FindWindowW(nullptr, kInstallerTitle);
        if (found && IsWindowVisible(found)) return found;
        Sleep(100);
    }
    return nullptr;
}

// The process handle, or null when it could not be started.
inline HANDLE StartInstaller(const std::wstring& program, const std::wstring& arguments) {
    std::wstring command = L"\"" + program + L"\" " + arguments;
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

// The process behind a window, to wait for its exit; null when it cannot be opened.
inline HANDLE ProcessOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
}

// A resource of a module loaded as an image resource; empty when it has none.
inline std::string ResourceOf(HMODULE image, LPCWSTR type, LPCWSTR name) {
    HRSRC found = image ? FindResourceW(image, name, type) : nullptr;
    if (found == nullptr) return {};
    return std::string(static_cast<const char*>(LockResource(LoadResource(image, found))),
                       SizeofResource(image, found));
}

// Closes the installer window as the user would and returns its process's exit code.
inline DWORD CloseInstallerWindow(HWND installer) {
    HANDLE process = ProcessOf(installer);
    PostMessageW(installer, WM_CLOSE, 0, 0);
    const DWORD code = process ? RunToEnd(process, 20000) : STILL_ACTIVE;
    if (process) CloseHandle(process);
    return code;
}
