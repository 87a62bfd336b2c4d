// The shipped VelkorInstaller.exe: a hardened 64-bit GUI image that asks for no elevation of its
// own, carries its version information and the plug-in as RCDATA 400.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "installer/engine/product.h"
#include "tests/e2e/installer_process.h"

namespace {

TEST(InstallerImage, IsAHardened64BitGuiProgramCarryingManifestAndPlugin) {
    HMODULE image = LoadLibraryExW(InstallerPath().c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr) << "VELKOR_INSTALLER_EXE names the installer";
    // Loaded as an image resource, the module handle is its base address with a low tag bit.
    const auto* base = reinterpret_cast<const char*>(reinterpret_cast<uintptr_t>(image) & ~3);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    ASSERT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    const WORD hardening = IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE |
                           IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA |
                           IMAGE_DLLCHARACTERISTICS_NX_COMPAT;
    EXPECT_EQ(nt->OptionalHeader.DllCharacteristics & hardening, hardening);

    const std::string manifest = ResourceOf(image, MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1));
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"" VELKOR_VERSION ".0\""), std::string::npos);
    const std::string plugin = ResourceOf(image, MAKEINTRESOURCEW(10), MAKEINTRESOURCEW(400));
    EXPECT_EQ(plugin.size(), 870400u);
    EXPECT_EQ(plugin.substr(0, 2), "MZ");
    FreeLibrary(image);
}

TEST(InstallerImage, CarriesVersionInformation) {
    const DWORD size = GetFileVersionInfoSizeW(InstallerPath().c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(InstallerPath().c_str(), 0, size, info.data()));
    const std::pair<const wchar_t*, const wchar_t*> strings[] = {
        {L"ProductName", L"" VELKOR_INSTALLER_TITLE},
        {L"CompanyName", L"" VELKOR_MAKER},
        {L"ProductVersion", L"" VELKOR_VERSION}};
    for (const auto& [name, expected] : strings) {
        wchar_t* value = nullptr;
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        ASSERT_TRUE(VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length));
        EXPECT_STREQ(value, expected);
    }
}

}  // namespace
