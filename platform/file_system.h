#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pelsdk::platform {

// Windows error codes (GetLastError) that callers act on; 0 means success.
inline constexpr uint32_t kErrorFileNotFound = 2;
inline constexpr uint32_t kErrorPathNotFound = 3;
// What a deletion that finds nothing to delete answers.
inline bool is_not_found(uint32_t error) {
    return error == kErrorFileNotFound || error == kErrorPathNotFound;
}
inline constexpr uint32_t kErrorAccessDenied = 5;
inline constexpr uint32_t kErrorSharingViolation = 32;
inline constexpr uint32_t kErrorDiskFull = 112;
inline constexpr uint32_t kErrorDirNotEmpty = 145;

// The errno values that _wmkdir reports, folded into what the caller acts on.
enum class make_directory_result {
    created,
    already_exists,  // EEXIST: a folder, or a file, stands at the path
    parent_missing,  // ENOENT: a folder on the way does not exist (or is not a folder)
    failed,          // any other error
};

enum class write_file_result {
    written,
    open_failed,   // CreateFileW returned an invalid handle
    write_failed,  // WriteFile (or flushing it to the disk) reported failure
};

struct write_outcome {
    write_file_result result;
    uint32_t error;  // GetLastError of the call that failed; 0 when written
};

class file_system {
public:
    virtual ~file_system() = default;

    // _wmkdir(path): CreateDirectoryW with its error mapped to errno.
    virtual make_directory_result make_directory(const std::wstring& path) = 0;
    // CreateFileW(path, GENERIC_WRITE, no sharing, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL), one
    // WriteFile of the whole buffer and FlushFileBuffers, CloseHandle before the result is
    // looked at: the file is whole on the disk before anything is moved over it.
    virtual write_outcome write_file(const std::wstring& path, const void* data,
                                     uint32_t size) = 0;
    // MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH): 0 or the
    // Windows error. A file that a running program holds cannot be replaced.
    virtual uint32_t replace_file(const std::wstring& from, const std::wstring& to) = 0;
    // CopyFileW(from, to, FALSE): 0 or the Windows error.
    virtual uint32_t copy_file(const std::wstring& from, const std::wstring& to) = 0;
    // DeleteFileW: 0 or the Windows error (a read-only file is not deleted).
    virtual uint32_t delete_file(const std::wstring& path) = 0;
    // RemoveDirectoryW: 0 or the Windows error; only an empty folder goes.
    virtual uint32_t remove_folder(const std::wstring& path) = 0;
    // MoveFileExW(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT): the file, or an empty folder, is
    // deleted when Windows next starts. 0 or the Windows error.
    virtual uint32_t delete_at_restart(const std::wstring& path) = 0;
    // GetFileAttributesExW: the size of a file; nothing for a folder or a missing path.
    virtual std::optional<uint64_t> file_size(const std::wstring& path) = 0;
    // CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, OPEN_ALWAYS) and one WriteFile: adds
    // the bytes at the end of the file, making it when missing. False when that failed.
    virtual bool append_to_file(const std::wstring& path, const std::string& bytes) = 0;
};

}  // namespace pelsdk::platform
