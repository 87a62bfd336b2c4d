#pragma once

#include "platform/system_info.h"

namespace pelsdk::platform {

class win32_system_info final : public system_info {
public:
    bool is_wow64_process() override;
    std::optional<std::wstring> common_app_data_folder() override;
};

}  // namespace pelsdk::platform
