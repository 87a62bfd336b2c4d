#include "platform/win32/win32_system_info.h"

#include <windows.h>
#include <shlobj.h>

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

}  // namespace pelsdk::platform
