#pragma once

#include "platform/file_system.h"

namespace pelsdk::platform {

class win32_file_system final : public file_system {
public:
    make_directory_result make_directory(const std::wstring& path) override;
    write_file_result write_file(const std::wstring& path, const void* data,
                                 uint32_t size) override;
};

}  // namespace pelsdk::platform
