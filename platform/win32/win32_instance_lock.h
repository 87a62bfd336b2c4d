#pragma once

#include "platform/instance_lock.h"

namespace pelsdk::platform {

class win32_instance_lock final : public instance_lock {
public:
    bool try_hold(const std::wstring& name) override;
};

}  // namespace pelsdk::platform
