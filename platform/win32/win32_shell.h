#pragma once

#include "platform/shell.h"

namespace pelsdk::platform {

class win32_shell final : public shell {
public:
    bool relaunch_elevated(const std::wstring& parameters) override;
    twin_result run_elevated_and_wait(const std::wstring& parameters) override;
    void open(const std::wstring& target) override;
};

}  // namespace pelsdk::platform
