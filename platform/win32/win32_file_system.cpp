#include "platform/win32/win32_file_system.h"

#include <windows.h>
#include <cerrno>
#include <direct.h>

namespace pelsdk::platform {

make_directory_result win32_file_system::make_directory(const std::wstring& path) {
    if (_wmkdir(path.c_str()) == 0) return make_directory_result::created;
    switch (errno) {
        case EEXIST:
            return make_directory_result::already_exists;
        case ENOENT:
            return make_directory_result::parent_missing;
        default:
            return make_directory_result::failed;
    }
}

write_file_result win32_file_system::write_file(const std::wstring& path, const void* data,
                                                uint32_t size) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return write_file_result::open_failed;
    DWORD written = 0;
    const BOOL wrote = WriteFile(file, data, size, &written, nullptr);
    CloseHandle(file);
    return wrote ? write_file_result::written : write_file_result::write_failed;
}

}  // namespace pelsdk::platform
