#include "platform/win32/win32_system_info.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include "platform/text_encoding.h"

namespace pelsdk::platform {

bool win32_system_info::is_wow64_process() {
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

std::optional<std::wstring> win32_system_info::common_app_data_folder() {
    wchar_t folder[MAX_PATH];
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT,
                                folder))) {
        return std::nullopt;
    }
    return std::wstring(folder);
}

std::optional<std::wstring> win32_system_info::program_files_folder() {
    PWSTR folder = nullptr;
    std::optional<std::wstring> found;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_ProgramFiles, 0, nullptr, &folder))) {
        found = folder;
    }
    // Freed on failure too, as the call asks.
    CoTaskMemFree(folder);
    return found;
}

std::wstring win32_system_info::temp_folder() {
    wchar_t folder[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    return length == 0 || length > MAX_PATH ? std::wstring() : std::wstring(folder, length);
}

std::wstring win32_system_info::program_path() {
    // A buffer that the path filled to its last unit may have cut it: try again, larger.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) return path.substr(0, length);
        path.resize(path.size() * 2);
    }
}

bool win32_system_info::is_elevated() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const BOOL read =
        GetTokenInformation(token, TokenElevation, &elevation, sizeof(elevation), &size);
    CloseHandle(token);
    return read && elevation.TokenIsElevated != 0;
}

local_time win32_system_info::now() {
    SYSTEMTIME time;
    GetLocalTime(&time);
    return {time.wYear, time.wMonth,  time.wDay,         time.wHour,
            time.wMinute, time.wSecond, time.wMilliseconds};
}

std::string win32_system_info::error_text(uint32_t error) {
    PWSTR text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<PWSTR>(&text), 0, nullptr);
    // Windows breaks some messages into lines and ends them with a line break; a log line holds
    // one fact on one line.
    std::wstring message;
    for (DWORD i = 0; i < length; ++i) {
        const bool lineBreak = text[i] == L'\r' || text[i] == L'\n';
        if (!lineBreak) {
            message.push_back(text[i]);
        } else if (!message.empty() && message.back() != L' ') {
            message.push_back(L' ');
        }
    }
    LocalFree(text);
    while (!message.empty() && message.back() == L' ') message.pop_back();
    return wide_to_utf8(message);
}

}  // namespace pelsdk::platform
