#pragma once

#include "platform/file_system.h"

namespace pelsdk::platform {

class win32_file_system final : public file_system {
public:
    make_directory_result make_directory(const std::wstring& path) override;
    write_outcome write_file(const std::wstring& path, const void* data, uint32_t size) override;
    uint32_t replace_file(const std::wstring& from, const std::wstring& to) override;
    uint32_t copy_file(const std::wstring& from, const std::wstring& to) override;
    uint32_t delete_file(const std::wstring& path) override;
    uint32_t remove_folder(const std::wstring& path) override;
    uint32_t delete_at_restart(const std::wstring& path) override;
    std::optional<uint64_t> file_size(const std::wstring& path) override;
    bool append_to_file(const std::wstring& path, const std::string& bytes) override;
};

}  // namespace pelsdk::platform
