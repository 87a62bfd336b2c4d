// The shipped VelkorInstaller.exe run as deployment tools run it: silently, with no one at the
// screen, judged by its full exit code (a Linux shell sees it modulo 256), the registry and the
// files.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "installer/engine/product.h"
#include "installer/engine/single_instance.h"
#include "tests/e2e/installed_plugin.h"
#include "tests/e2e/installer_process.h"
#include "tests/e2e/registered_versions.h"

namespace {

namespace fs = std::filesystem;

const wchar_t kEntry[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" VELKOR_NAME;
const fs::path kCopy = L"C:\\Program Files\\" VELKOR_MAKER "\\" VELKOR_NAME "\\" VELKOR_EXE_FILENAME;

// A string value of the entry in one registry view; empty when it cannot be read.
std::wstring EntryValue(REGSAM view, const wchar_t* name) {
    wchar_t text[512] = L"";
    DWORD size = sizeof(text);
    RegGetValueW(HKEY_LOCAL_MACHINE, kEntry, name, RRF_RT_REG_SZ | view, nullptr, text, &size);
    return text;
}

DWORD RunInstaller(const std::wstring& arguments) {
    HANDLE process = StartInstaller(InstallerPath(), arguments);
    if (process == nullptr) return STILL_ACTIVE;
    const DWORD code = RunToEnd(process, 60000);
    CloseHandle(process);
    return code;
}

TEST(Deployment, SilentInstallThenSilentRemoval) {
    ASSERT_EQ(FindWindowW(nullptr, kInstallerTitle), nullptr) << "an installer is already running";
    RegisteredVersions versions{L"13.8", L"14.0", L"15.0"};

    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(RunInstaller(L"/UAC /S"), 0u);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::printf("Silent install of three versions, from start to exit: %.2f s\n", took.count());
    EXPECT_EQ(FindWindowW(nullptr, kInstallerTitle), nullptr) << "no window";
    for (const fs::path& folder : versions.folders) EXPECT_TRUE(Installed(folder)) << folder;
    EXPECT_EQ(EntryValue(RRF_SUBKEY_WOW6464KEY, L"DisplayVersion"), L"" VELKOR_VERSION);
    EXPECT_EQ(EntryValue(RRF_SUBKEY_WOW6464KEY, L"QuietUninstallString"),
              L"\"" + kCopy.wstring() + L"\" /S /UNINSTALL");
    EXPECT_EQ(EntryValue(RRF_SUBKEY_WOW6432KEY, L"DisplayVersion"), L"") << "the 64-bit view only";
    EXPECT_EQ(ReadFile(kCopy), ReadFile(InstallerPath()));

    EXPECT_EQ(RunInstaller(L"/S /UNINSTALL"), 0u);
    for (const fs::path& folder : versions.folders) {
        EXPECT_FALSE(fs::exists(folder / L"Quintrel")) << folder;
        EXPECT_TRUE(fs::is_directory(folder));
    }
    EXPECT_EQ(EntryValue(RRF_SUBKEY_WOW6464KEY, L"DisplayVersion"), L"");
    EXPECT_FALSE(fs::exists(kCopy));
}

TEST(Deployment, ASecondInstallerWhileOneRunsExitsWith1618) {
    RegisteredVersions versions{L"15.0"};
    // Held here as a running installer holds it.
    HANDLE held = CreateMutexW(nullptr, FALSE, kInstallerInstanceName);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(RunInstaller(L"/UAC /S"), 1618u);
    CloseHandle(held);
    EXPECT_FALSE(fs::exists(versions.folders[0] / L"Quintrel"));
}

}  // namespace
