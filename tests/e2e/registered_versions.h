#pragma once

// After Effects versions registered for one run, each with a plug-in folder on the prefix's
// drive C:; the keys and folders are gone again afterwards.
#include <windows.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

inline const wchar_t kVersionsKey[] = L"SOFTWARE\\Adobe\\After Effects";

class RegisteredVersions {
public:
    explicit RegisteredVersions(std::initializer_list<const wchar_t*> versions) {
        for (const wchar_t* version : versions) {
            const std::filesystem::path folder = kRoot / version / L"Plug-ins";
            std::filesystem::create_directories(folder);
            HKEY key = nullptr;
            const std::wstring name = std::wstring(kVersionsKey) + L"\\" + version;
            RegCreateKeyExW(HKEY_LOCAL_MACHINE, name.c_str(), 0, nullptr, 0,
                            KEY_WRITE | KEY_WOW64_64KEY, nullptr, &key, nullptr);
            const std::wstring value = folder.wstring();
            RegSetValueExW(key, L"PluginInstallPath", 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
            RegCloseKey(key);
            folders.push_back(folder);
        }
    }
    ~RegisteredVersions() {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kVersionsKey);
        std::error_code ignored;
        std::filesystem::remove_all(kRoot, ignored);
    }

    static inline const std::filesystem::path kRoot = L"C:\\velkor-versions";
    std::vector<std::filesystem::path> folders;
};

