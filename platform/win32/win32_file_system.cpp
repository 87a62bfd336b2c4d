#include "platform/win32/win32_file_system.h"

#include <windows.h>
#include <cerrno>
#include <direct.h>

namespace pelsdk::platform {

namespace {

// The Windows error of a call that reported failure by returning FALSE.
uint32_t error_of(BOOL succeeded) { return succeeded ? 0 : GetLastError(); }

}  // namespace

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

write_outcome win32_file_system::write_file(const std::wstring& path, const void* data,
                                            uint32_t size) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {write_file_result::open_failed, GetLastError()};
    DWORD written = 0;
    uint32_t error = error_of(WriteFile(file, data, size, &written, nullptr));
    if (error == 0) error = error_of(FlushFileBuffers(file));
    CloseHandle(file);
    return {error == 0 ? write_file_result::written : write_file_result::write_failed, error};
}

uint32_t win32_file_system::replace_file(const std::wstring& from, const std::wstring& to) {
    return error_of(MoveFileExW(from.c_str(), to.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

uint32_t win32_file_system::copy_file(const std::wstring& from, const std::wstring& to) {
    return error_of(CopyFileW(from.c_str(), to.c_str(), FALSE));
}

uint32_t win32_file_system::delete_file(const std::wstring& path) {
    return error_of(DeleteFileW(path.c_str()));
}

uint32_t win32_file_system::remove_folder(const std::wstring& path) {
    return error_of(RemoveDirectoryW(path.c_str()));
}

uint32_t win32_file_system::delete_at_restart(const std::wstring& path) {
    return error_of(MoveFileExW(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT));
}

std::optional<uint64_t> win32_file_system::file_size(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA found;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &found) ||
        (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }
    return (uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow;
}

bool win32_file_system::append_to_file(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL wrote =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return wrote != FALSE;
}

}  // namespace pelsdk::platform
