#pragma once

#include "platform/module_resources.h"

namespace pelsdk::platform {

class win32_module_resources final : public module_resources {
public:
    std::optional<located> find_rcdata(uint16_t id) override;
    std::optional<loaded> load(located resource) override;
    uint32_t size(located resource) override;
    const void* lock(loaded resource) override;
};

}  // namespace pelsdk::platform
