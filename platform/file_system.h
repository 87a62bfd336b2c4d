#pragma once

#include <cstdint>
#include <string>

namespace pelsdk::platform {

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
    write_failed,  // WriteFile reported failure
};

class file_system {
public:
    virtual ~file_system() = default;

    // _wmkdir(path): CreateDirectoryW with its error mapped to errno.
    virtual make_directory_result make_directory(const std::wstring& path) = 0;
    // CreateFileW(path, GENERIC_WRITE, no sharing, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL), one
    // WriteFile of the whole buffer, CloseHandle before the result is looked at.
    virtual write_file_result write_file(const std::wstring& path, const void* data,
                                         uint32_t size) = 0;
};

}  // namespace pelsdk::platform
