#pragma once

#include <windows.h>

#include "platform/input_method.h"

namespace pelsdk::platform {

// The IMM calls for one window. Failures of the calls are ignored.
class win32_input_method final : public input_method {
public:
    explicit win32_input_method(HWND window) : window_(window) {}

    void detach_context() override;
    bool with_context(const std::function<void(input_context&)>& use) override;
    void create_caret() override;
    void destroy_caret() override;
    keyboard_layout current_layout() override;
    uint32_t real_virtual_key() override;
    uint32_t key_to_char(uint32_t virtual_key) override;

private:
    HWND window_;
};

}  // namespace pelsdk::platform
