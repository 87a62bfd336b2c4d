#pragma once

#include <optional>
#include <string>

namespace pelsdk::platform {

class system_info {
public:
    virtual ~system_info() = default;

    // IsWow64Process(GetCurrentProcess()): a 32-bit process on 64-bit Windows.
    virtual bool is_wow64_process() = 0;
    // SHGetFolderPathW(CSIDL_COMMON_APPDATA, SHGFP_TYPE_CURRENT); nothing when the call fails.
    virtual std::optional<std::wstring> common_app_data_folder() = 0;
};

}  // namespace pelsdk::platform
