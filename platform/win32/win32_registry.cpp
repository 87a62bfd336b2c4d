#include "platform/win32/win32_registry.h"

#include <windows.h>
#include <shlwapi.h>

#include <variant>

namespace pelsdk::platform {

namespace {

HKEY as_hkey(registry::key k) { return reinterpret_cast<HKEY>(k); }

// The bytes RegSetValueExW takes for a value, with its type.
struct value_bytes {
    DWORD type;
    std::vector<BYTE> bytes;
};

value_bytes bytes_of(const std::wstring& text) {
    const auto* first = reinterpret_cast<const BYTE*>(text.c_str());
    return {REG_SZ, std::vector<BYTE>(first, first + (text.size() + 1) * sizeof(wchar_t))};
}

value_bytes bytes_of(uint32_t number) {
    const DWORD value = number;
    const auto* first = reinterpret_cast<const BYTE*>(&value);
    return {REG_DWORD, std::vector<BYTE>(first, first + sizeof(value))};
}

// Each string with its terminator, and one more terminator closing the list.
value_bytes bytes_of(const std::vector<std::wstring>& list) {
    std::wstring joined;
    for (const std::wstring& item : list) joined.append(item).push_back(L'\0');
    joined.push_back(L'\0');
    const auto* first = reinterpret_cast<const BYTE*>(joined.data());
    return {REG_MULTI_SZ, std::vector<BYTE>(first, first + joined.size() * sizeof(wchar_t))};
}

}  // namespace

std::optional<registry::key> win32_registry::open_local_machine(const std::wstring& path,
                                                                 uint32_t access) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, access, &opened) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return reinterpret_cast<key>(opened);
}

std::optional<uint32_t> win32_registry::count_subkeys(key parent) {
    DWORD count = 0;
    if (RegQueryInfoKeyW(as_hkey(parent), nullptr, nullptr, nullptr, &count, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return count;
}

std::optional<std::wstring> win32_registry::subkey_name(key parent, uint32_t index) {
    wchar_t name[kSubkeyNameRoom];
    DWORD length = kSubkeyNameRoom;
    if (RegEnumKeyExW(as_hkey(parent), index, name, &length, nullptr, nullptr, nullptr,
                      nullptr) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(name, length);
}

std::optional<std::wstring> win32_registry::string_value(key parent, const std::wstring& subkey,
                                                         const std::wstring& name) {
    wchar_t buffer[kStringValueRoom];
    DWORD size = sizeof(buffer);
    if (SHRegGetValueW(as_hkey(parent), subkey.c_str(), name.c_str(), SRRF_RT_REG_SZ, nullptr,
                       buffer, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(buffer);
}

void win32_registry::close(key open_key) { RegCloseKey(as_hkey(open_key)); }

uint32_t win32_registry::write_values(const std::wstring& path,
                                      const std::vector<registry_value>& values) {
    HKEY opened = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                                     KEY_SET_VALUE | KEY_WOW64_64KEY, nullptr, &opened, nullptr);
    if (status != ERROR_SUCCESS) return status;
    for (const registry_value& value : values) {
        const value_bytes data = std::visit([](const auto& held) { return bytes_of(held); },
                                            value.data);
        status = RegSetValueExW(opened, value.name.c_str(), 0, data.type, data.bytes.data(),
                                static_cast<DWORD>(data.bytes.size()));
        if (status != ERROR_SUCCESS) break;
    }
    RegCloseKey(opened);
    return status;
}

std::optional<std::vector<std::wstring>> win32_registry::text_list(const std::wstring& path,
                                                                   const std::wstring& name) {
    constexpr DWORD flags = RRF_RT_REG_MULTI_SZ | RRF_SUBKEY_WOW6464KEY;
    DWORD size = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, path.c_str(), name.c_str(), flags, nullptr, nullptr,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring joined(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(joined.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_LOCAL_MACHINE, path.c_str(), name.c_str(), flags, nullptr,
                     joined.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<std::wstring> list;
    for (const wchar_t* item = joined.c_str(); *item != L'\0'; item += list.back().size() + 1) {
        list.emplace_back(item);
    }
    return list;
}

uint32_t win32_registry::delete_key(const std::wstring& path) {
    return RegDeleteKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), KEY_WOW64_64KEY, 0);
}

}  // namespace pelsdk::platform
