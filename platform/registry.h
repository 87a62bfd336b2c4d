#pragma once

#include <cstdint>
#include <optional>
#include <string>

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

// Read access to HKEY_LOCAL_MACHINE, with the results of the Win32 registry calls.
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
};

}  // namespace pelsdk::platform
