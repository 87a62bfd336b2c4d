#pragma once

#include "platform/console.h"

namespace pelsdk::platform {

class win32_console final : public console {
public:
    void print_line(const std::string& text) override;

private:
    enum class target { unknown, redirected, attached, none };
    target target_ = target::unknown;
    void* output_ = nullptr;
};

}  // namespace pelsdk::platform
