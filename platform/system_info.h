#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pelsdk::platform {

struct local_time {
    uint16_t year, month, day, hour, minute, second, millisecond;
};

class system_info {
public:
    virtual ~system_info() = default;

    // IsWow64Process(GetCurrentProcess()): a 32-bit process on 64-bit Windows.
    virtual bool is_wow64_process() = 0;
    // SHGetFolderPathW(CSIDL_COMMON_APPDATA, SHGFP_TYPE_CURRENT); nothing when the call fails.
    virtual std::optional<std::wstring> common_app_data_folder() = 0;
    // SHGetKnownFolderPath(FOLDERID_ProgramFiles): the 64-bit programs' folder, which only
    // administrators can write; nothing when the call fails.
    virtual std::optional<std::wstring> program_files_folder() = 0;
    // GetTempPathW: the user's temporary folder (for the system account, Windows\Temp).
    virtual std::wstring temp_folder() = 0;
    // GetModuleFileNameW of the program's own file, however long its path.
    virtual std::wstring program_path() = 0;
    // GetTokenInformation(TokenElevation) of the process token: the process runs with
    // administrator rights.
    virtual bool is_elevated() = 0;
    // GetLocalTime.
    virtual local_time now() = 0;
    // FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM) of a Windows error code, on one line, UTF-8;
    // empty when Windows has no text for it.
    virtual std::string error_text(uint32_t error) = 0;
};

}  // namespace pelsdk::platform
