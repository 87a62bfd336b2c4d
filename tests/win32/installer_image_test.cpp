// The shipped VelkorInstaller.exe: a 64-bit GUI image with the hardening flags, carrying the
// plug-in as RCDATA 400.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

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
