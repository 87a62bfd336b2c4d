#pragma once

#include "platform/clipboard.h"

namespace pelsdk::platform {

class win32_clipboard final : public clipboard {
public:
    bool put_text(const std::u16string& text) override;
};

}  // namespace pelsdk::platform
