#pragma once

#include "platform/system_info.h"

namespace pelsdk::platform {

// System facts set by the test.
class fixed_system_info final : public system_info {
public:
    bool wow64 = false;
    std::optional<std::wstring> app_data = L"C:\\ProgramData";

    bool is_wow64_process() override { return wow64; }
    std::optional<std::wstring> common_app_data_folder() override { return app_data; }
};

}  // namespace pelsdk::platform
