#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace pelsdk::platform {

// HKEY_LOCAL_MACHINE in memory, with the limits and failures of the Win32 calls.
// It holds the two registry views of 64-bit Windows: a key opened with KEY_WOW64_64KEY sees the
// 64-bit view, any other open sees the process's default view (the 32-bit one for a WOW64
// process). Key paths are matched exactly; subkeys enumerate in name order.
class memory_registry final : public registry {
public:
    enum class view { native_64, wow_32 };
    enum class value_type { string, expandable_string, dword, multi_string };

    // Creates the key and every missing key above it.
    void add_key(const std::wstring& path, view in = view::native_64);
    void set_value(const std::wstring& path, const std::wstring& name, const std::wstring& data,
                   value_type type = value_type::string, view in = view::native_64);
    // RegEnumKeyExW of the key's subkey at this index fails.
    void fail_enumeration(const std::wstring& path, uint32_t index, view in = view::native_64);
    void set_default_view(view default_view) { default_view_ = default_view; }
    // An environment variable that expandable string values may name as %name%.
    void set_environment(const std::wstring& name, const std::wstring& value) {
        environment_[name] = value;
    }

    // A value as a program would read it back; nothing when the key or value is missing.
    std::optional<registry_value> value_of(const std::wstring& path, const std::wstring& name,
                                           view in = view::native_64) const;
    bool has_key(const std::wstring& path, view in = view::native_64) const {
        return views_[static_cast<int>(in)].count(path) != 0;
    }
    // Writes fail with access denied, as for a program without administrator rights.
    bool refuse_writes = false;

    // Every access mask passed to open_local_machine, in call order.
    const std::vector<uint32_t>& opened_with() const { return opened_with_; }
    size_t open_key_count() const { return open_keys_.size(); }

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

private:
    struct stored_value {
        value_type type;
        std::wstring data;  // the text of a string value
        uint32_t number = 0;
        std::vector<std::wstring> list;
    };
    struct stored_key {
        std::map<std::wstring, stored_value> values;
        std::set<uint32_t> failing_enumerations;
    };
    struct open_key {
        view in;
        std::wstring path;
    };
    using tree = std::map<std::wstring, stored_key>;

    tree& keys_of(view in) { return views_[static_cast<int>(in)]; }
    std::vector<std::wstring> subkeys_of(const open_key& parent);
    const open_key* find_open(key handle) const;
    std::wstring expand(const std::wstring& text) const;

    tree views_[2];
    view default_view_ = view::native_64;
    std::map<key, open_key> open_keys_;
    key next_handle_ = 1;
    std::vector<uint32_t> opened_with_;
    std::map<std::wstring, std::wstring> environment_;
};

}  // namespace pelsdk::platform
