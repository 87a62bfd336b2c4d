#include "platform/win32/win32_registry.h"

#include <windows.h>
#include <shlwapi.h>

namespace pelsdk::platform {

namespace {

HKEY as_hkey(registry::key k) { return reinterpret_cast<HKEY>(k); }

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

}  // namespace pelsdk::platform
