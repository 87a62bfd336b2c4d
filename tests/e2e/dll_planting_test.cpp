// An installer is started from the Downloads folder, where anyone can drop a DLL named like a
// system one. The elevated installer must never load such a DLL.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/installer_process.h"

namespace {

// The DLLs the installer uses, directly or through the system, that Windows does not always take
// from System32.
const wchar_t* const kPlantedDlls[] = {L"d2d1",  L"dwrite", L"wtsapi32", L"windowscodecs",
                                       L"d3d11", L"dxgi",   L"uxtheme"};

std::wstring EnvironmentPath(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::wstring(value, value + std::strlen(value)) : L"";
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The copy of the installer that is started from the planted folder; its own name keeps the load
// order below from reaching any other program of the prefix.
const wchar_t kPlantedProgram[] = L"VelkorInstallerDownloaded.exe";

// Windows' order for these DLLs, which Wine takes from its registry per program: a DLL beside the
// program first, the system's own after it. Removed again at the end.
class WineLoadOrder {
public:
    WineLoadOrder() {
        RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key_, nullptr);
    }
    ~WineLoadOrder() {
        if (key_) RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, ProgramPath().c_str());
    }
    void Prefer(const wchar_t* dll) {
        const wchar_t order[] = L"native,builtin";
        RegSetValueExW(key_, dll, 0, REG_SZ, reinterpret_cast<const BYTE*>(order), sizeof(order));
    }

private:
    static std::wstring ProgramPath() {
        return std::wstring(L"Software\\Wine\\AppDefaults\\") + kPlantedProgram;
    }
    static std::wstring KeyPath() { return ProgramPath() + L"\\DllOverrides"; }
    HKEY key_ = nullptr;
};

class DownloadsFolder {
public:
    DownloadsFolder() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path = std::wstring(temp) + L"velkor-downloads-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(path.c_str(), nullptr);
    }
    ~DownloadsFolder() {
        for (const std::wstring& file : files) DeleteFileW(file.c_str());
        RemoveDirectoryW(path.c_str());
    }
    std::wstring Put(const std::wstring& source, const std::wstring& name) {
        const std::wstring target = path + L"\\" + name;
        CopyFileW(source.c_str(), target.c_str(), FALSE);
        files.push_back(target);
        files.push_back(target + L".loaded");
        return target;
    }

    std::wstring path;
    std::vector<std::wstring> files;
};

TEST(DllPlanting, TheElevatedInstallerIgnoresDllsBesideIt) {
    const std::wstring planted = EnvironmentPath("VELKOR_PLANTED_DLL");
    ASSERT_TRUE(Exists(planted)) << "the planted DLL was built";
    ASSERT_EQ(FindWindowW(nullptr, kInstallerTitle), nullptr) << "an installer is already running";

    DownloadsFolder downloads;
    const std::wstring program = downloads.Put(InstallerPath(), kPlantedProgram);
    WineLoadOrder nativeFirst;
    for (const wchar_t* dll : kPlantedDlls) {
        downloads.Put(planted, std::wstring(dll) + L".dll");
        nativeFirst.Prefer(dll);
    }
    // All of them are planted at once, so one start of the installer checks every one.
    HANDLE process = StartInstaller(program, L"/UAC");
    ASSERT_NE(process, nullptr);

    HWND installer = WaitForInstallerWindow(30000);
    EXPECT_NE(installer, nullptr) << "the installer still comes up";
    if (installer) {
        EXPECT_EQ(CloseInstallerWindow(installer), 0u);
    }
    if (RunToEnd(process, 20000) == STILL_ACTIVE) TerminateProcess(process, 1);
    CloseHandle(process);

    for (const wchar_t* dll : kPlantedDlls) {
        EXPECT_FALSE(Exists(downloads.path + L"\\" + dll + L".dll.loaded"))
            << "the elevated installer loaded the planted " << std::string(dll, dll + wcslen(dll))
            << ".dll";
    }
}

}  // namespace
