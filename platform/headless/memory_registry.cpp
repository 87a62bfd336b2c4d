#include "platform/headless/memory_registry.h"

#include "platform/file_system.h"
#include "platform/headless/utf16_units.h"

namespace pelsdk::platform {

namespace {

std::wstring child_path(const std::wstring& parent, const std::wstring& name) {
    if (parent.empty()) return name;
    if (name.empty()) return parent;
    return parent + L'\\' + name;
}

}  // namespace

void memory_registry::add_key(const std::wstring& path, view in) {
    tree& keys = keys_of(in);
    for (size_t end = path.find(L'\\'); end != std::wstring::npos; end = path.find(L'\\', end + 1)) {
        keys[path.substr(0, end)];
    }
    keys[path];
}

void memory_registry::set_value(const std::wstring& path, const std::wstring& name,
                                const std::wstring& data, value_type type, view in) {
    add_key(path, in);
    keys_of(in)[path].values[name] = stored_value{type, data, 0, {}};
}

void memory_registry::fail_enumeration(const std::wstring& path, uint32_t index, view in) {
    add_key(path, in);
    keys_of(in)[path].failing_enumerations.insert(index);
}

std::optional<registry::key> memory_registry::open_local_machine(const std::wstring& path,
                                                                  uint32_t access) {
    opened_with_.push_back(access);
    const view in = (access & kKeyWow64_64Key) ? view::native_64 : default_view_;
    if (keys_of(in).count(path) == 0) return std::nullopt;
    const key handle = next_handle_++;
    open_keys_[handle] = open_key{in, path};
    return handle;
}

std::vector<std::wstring> memory_registry::subkeys_of(const open_key& parent) {
    const std::wstring prefix = parent.path + L'\\';
    std::vector<std::wstring> names;
    for (const auto& [path, stored] : keys_of(parent.in)) {
        if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0 &&
            path.find(L'\\', prefix.size()) == std::wstring::npos) {
            names.push_back(path.substr(prefix.size()));
        }
    }
    return names;
}

const memory_registry::open_key* memory_registry::find_open(key handle) const {
    const auto found = open_keys_.find(handle);
    return found == open_keys_.end() ? nullptr : &found->second;
}

std::optional<uint32_t> memory_registry::count_subkeys(key parent) {
    const open_key* opened = find_open(parent);
    if (opened == nullptr) return std::nullopt;
    return static_cast<uint32_t>(subkeys_of(*opened).size());
}

std::optional<std::wstring> memory_registry::subkey_name(key parent, uint32_t index) {
    const open_key* opened = find_open(parent);
    if (opened == nullptr) return std::nullopt;
    if (keys_of(opened->in)[opened->path].failing_enumerations.count(index) != 0) {
        return std::nullopt;
    }
    const std::vector<std::wstring> names = subkeys_of(*opened);
    if (index >= names.size()) return std::nullopt;
    // The name and its terminator must fit the caller's buffer.
    if (utf16_units(names[index]) + 1 > kSubkeyNameRoom) return std::nullopt;
    return names[index];
}

std::optional<std::wstring> memory_registry::string_value(key parent, const std::wstring& subkey,
                                                          const std::wstring& name) {
    const open_key* opened = find_open(parent);
    if (opened == nullptr) return std::nullopt;
    tree& keys = keys_of(opened->in);
    const auto stored = keys.find(child_path(opened->path, subkey));
    if (stored == keys.end()) return std::nullopt;
    const auto value = stored->second.values.find(name);
    if (value == stored->second.values.end()) return std::nullopt;
    if (value->second.type == value_type::dword || value->second.type == value_type::multi_string) {
        return std::nullopt;
    }
    const std::wstring data = value->second.type == value_type::expandable_string
                                  ? expand(value->second.data)
                                  : value->second.data;
    // The whole stored text and its terminator must fit; the reader sees it up to its first zero.
    if (utf16_units(data) + 1 > kStringValueRoom) return std::nullopt;
    return data.substr(0, data.find(L'\0'));
}

void memory_registry::close(key open_key) { open_keys_.erase(open_key); }

uint32_t memory_registry::write_values(const std::wstring& path,
                                       const std::vector<registry_value>& values) {
    if (refuse_writes) return kErrorAccessDenied;
    add_key(path);
    for (const registry_value& value : values) {
        stored_value& stored = keys_of(view::native_64)[path].values[value.name];
        stored = {};
        if (const auto* text = std::get_if<std::wstring>(&value.data)) {
            stored.type = value_type::string;
            stored.data = *text;
        } else if (const auto* number = std::get_if<uint32_t>(&value.data)) {
            stored.type = value_type::dword;
            stored.number = *number;
        } else {
            stored.type = value_type::multi_string;
            stored.list = std::get<std::vector<std::wstring>>(value.data);
        }
    }
    return 0;
}

std::optional<std::vector<std::wstring>> memory_registry::text_list(const std::wstring& path,
                                                                    const std::wstring& name) {
    const auto value = value_of(path, name);
    if (!value) return std::nullopt;
    const auto* list = std::get_if<std::vector<std::wstring>>(&value->data);
    if (list == nullptr) return std::nullopt;
    return *list;
}

uint32_t memory_registry::delete_key(const std::wstring& path) {
    if (refuse_writes) return kErrorAccessDenied;
    tree& keys = keys_of(view::native_64);
    const auto found = keys.find(path);
    if (found == keys.end()) return kErrorFileNotFound;
    // RegDeleteKeyExW leaves a key with subkeys in place.
    const std::wstring below = path + L'\\';
    const auto subkey = keys.lower_bound(below);
    if (subkey != keys.end() && subkey->first.starts_with(below)) return kErrorAccessDenied;
    keys.erase(found);
    return 0;
}

std::optional<registry_value> memory_registry::value_of(const std::wstring& path,
                                                        const std::wstring& name, view in) const {
    const tree& keys = views_[static_cast<int>(in)];
    const auto stored = keys.find(path);
    if (stored == keys.end()) return std::nullopt;
    const auto value = stored->second.values.find(name);
    if (value == stored->second.values.end()) return std::nullopt;
    switch (value->second.type) {
        case value_type::dword:
            return registry_value{name, value->second.number};
        case value_type::multi_string:
            return registry_value{name, value->second.list};
        default:
            return registry_value{name, value->second.data};
    }
}

// Unknown variables stay as written, as ExpandEnvironmentStringsW leaves them.
std::wstring memory_registry::expand(const std::wstring& text) const {
    std::wstring expanded;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t open = text.find(L'%', pos);
        const size_t close = open == std::wstring::npos ? open : text.find(L'%', open + 1);
        if (close == std::wstring::npos) break;
        const auto variable = environment_.find(text.substr(open + 1, close - open - 1));
        expanded += text.substr(pos, open - pos);
        if (variable == environment_.end()) {
            expanded += text.substr(open, close - open);
            pos = close;
        } else {
            expanded += variable->second;
            pos = close + 1;
        }
    }
    return expanded + text.substr(pos);
}

}  // namespace pelsdk::platform
