// The install worker against real files, the real shared data folder and the module's own
// RCDATA 400.
#include <windows.h>
#include <shlobj.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "installer/engine/install_status.h"
#include "installer/engine/install_worker.h"
#include "platform/win32/win32_services.h"

namespace {

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Win32Install, WritesOrReportsEachFolderAndCreatesTheSharedDataFolder) {
    wchar_t appData[MAX_PATH];
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, 0, appData)));
    const std::filesystem::path shared = std::filesystem::path(appData) / "Quintrel";
    std::filesystem::remove_all(shared);
    const std::filesystem::path base = std::filesystem::temp_directory_path() / "velkor-install";
    for (const char* folder : {"Fresh", "Old\\Quintrel", "Blocked", "Busy\\Quintrel"}) {
        std::filesystem::create_directories(base / folder);
    }
    std::ofstream(base / "Old\\Quintrel\\Velkor.aex") << "an older plug-in";
    std::ofstream(base / "Blocked\\Quintrel") << "a file where the maker folder belongs";
    HANDLE held = CreateFileW((base / "Busy\\Quintrel\\Velkor.aex").c_str(), GENERIC_WRITE, 0,
                              nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(held, "loaded", 6, &written, nullptr);

    ThreadWorkData data{pelsdk::platform::win32_services()};
    // A trailing backslash doubles the separator before Quintrel, which Windows accepts.
    InstallWorker(&data,
                  {(base / "Fresh").wstring(), L"", (base / "Old").wstring() + L"\\",
                   (base / "Blocked").wstring(), (base / "Busy").wstring(),
                   (base / "Missing").wstring()},
                  {}, L"");
    CloseHandle(held);
    ASSERT_TRUE(data.IsDone());
    constexpr int32_t kInstalled = StatusCode(InstallStatus::kInstalled);
    constexpr int32_t kOpenFailed = StatusCode(InstallStatus::kFileOpenFailed);
    EXPECT_EQ(data.CopyPluginStatus(), (std::vector<int32_t>{kInstalled, 0, kInstalled, kOpenFailed,
                                                            kOpenFailed, kOpenFailed}));

    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(400), MAKEINTRESOURCEW(10));
    ASSERT_NE(found, nullptr);
    const std::string plugin(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                             SizeofResource(nullptr, found));
    EXPECT_TRUE(ReadWholeFile(base / "Fresh\\Quintrel\\Velkor.aex") == plugin);
    EXPECT_TRUE(ReadWholeFile(base / "Old\\Quintrel\\Velkor.aex") == plugin);
    // The plug-in that After Effects holds is neither replaced nor joined by a partial file.
    EXPECT_NE(data.pluginError[4], 0u);
    EXPECT_EQ(ReadWholeFile(base / "Busy\\Quintrel\\Velkor.aex"), "loaded");
    EXPECT_FALSE(std::filesystem::exists(base / "Busy\\Quintrel\\Velkor.aex.partial"));

    EXPECT_TRUE(std::filesystem::is_directory(shared));
    std::filesystem::remove_all(base);
}

}  // namespace
