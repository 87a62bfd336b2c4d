#pragma once

#include "platform/system_info.h"

namespace pelsdk::platform {

class win32_system_info final : public system_info {
public:
    bool is_wow64_process() override;
    std::optional<std::wstring> common_app_data_folder() override;
    std::optional<std::wstring> program_files_folder() override;
    std::wstring temp_folder() override;
    std::wstring program_path() override;
    bool is_elevated() override;
    local_time now() override;
    std::string error_text(uint32_t error) override;
};

}  // namespace pelsdk::platform
