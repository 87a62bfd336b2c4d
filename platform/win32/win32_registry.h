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
    uint32_t write_values(const std::wstring& path,
                          const std::vector<registry_value>& values) override;
    std::optional<std::vector<std::wstring>> text_list(const std::wstring& path,
                                                       const std::wstring& name) override;
    uint32_t delete_key(const std::wstring& path) override;
};

}  // namespace pelsdk::platform
