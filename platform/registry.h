#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace pelsdk::platform {

// Access masks with the values Windows gives them.
inline constexpr uint32_t kKeyRead = 0x20019;
inline constexpr uint32_t kKeyWow64_64Key = 0x0100;

// Subkey names are enumerated into a buffer with room for 255 characters plus the terminator,
// the longest key name Windows allows; longer names fail to enumerate.
inline constexpr uint32_t kSubkeyNameRoom = 256;
// String values are read into a buffer with room for 255 characters plus the terminator;
// a longer value does not fit and fails to read.
inline constexpr uint32_t kStringValueRoom = 256;

// A value to write: REG_SZ, REG_DWORD or REG_MULTI_SZ by the type it holds.
struct registry_value {
    std::wstring name;
    std::variant<std::wstring, uint32_t, std::vector<std::wstring>> data;

    friend bool operator==(const registry_value&, const registry_value&) = default;
};

// HKEY_LOCAL_MACHINE, with the results of the Win32 registry calls. Reads go through the view
// the access mask names; writes, lists and deletes always go to the 64-bit view, where 64-bit
// Windows keeps the entries of Apps & features.
class registry {
public:
    using key = std::uintptr_t;

    virtual ~registry() = default;

    // RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, access).
    virtual std::optional<key> open_local_machine(const std::wstring& path, uint32_t access) = 0;
    // RegQueryInfoKeyW asking for the number of subkeys only.
    virtual std::optional<uint32_t> count_subkeys(key parent) = 0;
    // RegEnumKeyExW into a buffer of kSubkeyNameRoom units.
    virtual std::optional<std::wstring> subkey_name(key parent, uint32_t index) = 0;
    // SHRegGetValueW(parent, subkey, name, SRRF_RT_REG_SZ) into a buffer of kStringValueRoom units:
    // only REG_SZ values are read; the text ends at its first terminator.
    virtual std::optional<std::wstring> string_value(key parent, const std::wstring& subkey,
                                                     const std::wstring& name) = 0;
    // RegCloseKey.
    virtual void close(key open_key) = 0;

    // RegCreateKeyExW(HKEY_LOCAL_MACHINE, path, KEY_SET_VALUE | KEY_WOW64_64KEY), then
    // RegSetValueExW of each value in turn: 0 or the Windows error of the first call that failed.
    virtual uint32_t write_values(const std::wstring& path,
                                  const std::vector<registry_value>& values) = 0;
    // RegGetValueW(HKEY_LOCAL_MACHINE, path, name, RRF_RT_REG_MULTI_SZ | RRF_SUBKEY_WOW6464KEY):
    // the strings of a REG_MULTI_SZ value of any length; nothing when it cannot be read.
    virtual std::optional<std::vector<std::wstring>> text_list(const std::wstring& path,
                                                               const std::wstring& name) = 0;
    // RegDeleteKeyExW(HKEY_LOCAL_MACHINE, path, KEY_WOW64_64KEY) of a key without subkeys: 0 or
    // the Windows error.
    virtual uint32_t delete_key(const std::wstring& path) = 0;
};

}  // namespace pelsdk::platform
