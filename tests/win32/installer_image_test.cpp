// The shipped VelkorInstaller.exe: a 64-bit GUI image with the hardening flags, carrying the
// plug-in as RCDATA 400.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::wstring InstallerPath() {
    const char* path = std::getenv("VELKOR_INSTALLER_EXE");
    return path ? std::wstring(path, path + strlen(path)) : L"";
}

TEST(InstallerImage, IsAHardened64BitGuiProgram) {
    std::ifstream in(std::filesystem::path(InstallerPath()), std::ios::binary);
    ASSERT_TRUE(in) << "VELKOR_INSTALLER_EXE names the installer";
    const std::string image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_GT(image.size(), sizeof(IMAGE_DOS_HEADER));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(image.data() + dos->e_lfanew);
    ASSERT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
    EXPECT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR64_MAGIC);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    const WORD hardening = IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE |
                           IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA |
                           IMAGE_DLLCHARACTERISTICS_NX_COMPAT;
    EXPECT_EQ(nt->OptionalHeader.DllCharacteristics & hardening, hardening);
}

std::string ResourceText(HMODULE image, LPCWSTR type, LPCWSTR name) {
    HRSRC found = FindResourceW(image, name, type);
    if (found == nullptr) return {};
    return std::string(static_cast<const char*>(LockResource(LoadResource(image, found))),
                       SizeofResource(image, found));
}

std::wstring VersionString(const std::vector<char>& info, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) return L"";
    return value;
}

TEST(InstallerImage, DeclaresAsInvokerAndCarriesVersionInformation) {
    HMODULE image = LoadLibraryExW(InstallerPath().c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr);
    const std::string manifest = ResourceText(image, MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1));
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
    FreeLibrary(image);

    const DWORD size = GetFileVersionInfoSizeW(InstallerPath().c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(InstallerPath().c_str(), 0, size, info.data()));
    EXPECT_EQ(VersionString(info, L"ProductName"), L"Velkor Plug-in for After Effects Installer");
    EXPECT_EQ(VersionString(info, L"CompanyName"), L"Quintrel");
    EXPECT_EQ(VersionString(info, L"ProductVersion"), L"1.0.40");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00280000u);
}

TEST(InstallerImage, CarriesThePluginAsRcdata400) {
    HMODULE image = LoadLibraryExW(InstallerPath().c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr);
    HRSRC plugin = FindResourceW(image, MAKEINTRESOURCEW(400), MAKEINTRESOURCEW(10));
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(SizeofResource(image, plugin), 870400u);
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(image, plugin)));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(std::string(bytes, 2), "MZ");
    FreeLibrary(image);
}

}  // namespace
