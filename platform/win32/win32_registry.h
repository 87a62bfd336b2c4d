#pragma once

#include "platform/registry.h"

namespace pelsdk::platform {

class win32_registry final : public registry {
public:
    std::optional<key> open_local_machine(const std::wstring& path, uint32_t access) override;
    std::optional<uint32_t> count_subkeys(key parent) override;
    std::optional<std::wstring> subkey_name(key parent, uint32_t index) override;
    std::optional<std::wstring> string_value(key parent, const std::wstring& subkey,
                                             const std::wstring& name) override;
    void close(key open_key) override;
};

}  // namespace pelsdk::platform
