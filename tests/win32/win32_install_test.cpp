// The install worker against real files and the module's own RCDATA 400.
#include <windows.h>
#include <shlobj.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "installer/engine/install_status.h"
#include "installer/engine/install_worker.h"
#include "installer/engine/path_helpers.h"
#include "platform/win32/win32_services.h"

namespace {

std::string ReadWholeFile(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string OwnPluginResource() {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(400), MAKEINTRESOURCEW(10));
    if (found == nullptr) return {};
    const void* bytes = LockResource(LoadResource(nullptr, found));
    return std::string(static_cast<const char*>(bytes), SizeofResource(nullptr, found));
}

class Win32Install : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        base_ = JoinPath(temp, L"velkor-win32-test-" + std::to_wstring(GetCurrentProcessId()));
        ASSERT_TRUE(CreateDirectories(pelsdk::platform::win32_services().files, base_));
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(base_, ignored);
    }

    std::wstring Folder(const std::wstring& name) {
        const std::wstring folder = JoinPath(base_, name);
        CreateDirectoryW(folder.c_str(), nullptr);
        return folder;
    }
    std::vector<int32_t> Install(std::vector<std::wstring> folders) {
        InstallWorker(&data, std::move(folders), {}, L"");
        EXPECT_TRUE(data.IsDone());
        return data.CopyPluginStatus();
    }

    std::wstring base_;
    ThreadWorkData data{pelsdk::platform::win32_services()};
};

constexpr int32_t kInstalled = StatusCode(InstallStatus::kInstalled);
constexpr int32_t kOpenFailed = StatusCode(InstallStatus::kFileOpenFailed);

TEST_F(Win32Install, WritesTheResourceByteForByteAndReplacesAnOldFile) {
    const std::string plugin = OwnPluginResource();
    ASSERT_EQ(plugin.size(), 870400u);
    const std::wstring first = Folder(L"AE1");
    const std::wstring second = Folder(L"AE2");
    Folder(L"AE2\\Quintrel");
    std::ofstream(std::filesystem::path(second + L"\\Quintrel\\Velkor.aex")) << "an older plug-in";

    // A trailing backslash doubles the separator before Quintrel, which Windows accepts.
    EXPECT_EQ(Install({first, L"", second + L"\\"}),
              (std::vector<int32_t>{kInstalled, 0, kInstalled}));
    EXPECT_TRUE(ReadWholeFile(first + L"\\Quintrel\\Velkor.aex") == plugin);
    EXPECT_TRUE(ReadWholeFile(second + L"\\Quintrel\\Velkor.aex") == plugin);
}

TEST_F(Win32Install, FailuresThatNeedNoPermissionsGiveStatus40) {
    const std::wstring blocked = Folder(L"Blocked");
    std::ofstream(std::filesystem::path(blocked + L"\\Quintrel")) << "a file where the maker folder belongs";
    const std::wstring busy = Folder(L"Busy");
    Folder(L"Busy\\Quintrel");
    const std::wstring busyFile = busy + L"\\Quintrel\\Velkor.aex";
    HANDLE held = CreateFileW(busyFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::wstring fine = Folder(L"Fine");

    EXPECT_EQ(Install({blocked, busy, JoinPath(base_, L"Missing"), fine}),
              (std::vector<int32_t>{kOpenFailed, kOpenFailed, kOpenFailed, kInstalled}));
    CloseHandle(held);
}

TEST_F(Win32Install, CreateDirectoriesStopsAtAFileInTheWay) {
    auto& files = pelsdk::platform::win32_services().files;
    std::ofstream(std::filesystem::path(base_ + L"\\file")) << "x";
    EXPECT_FALSE(CreateDirectories(files, base_ + L"\\file\\a\\b"));
    EXPECT_FALSE(CreateDirectories(files, L""));
    EXPECT_TRUE(CreateDirectories(files, base_ + L"\\x\\y\\z"));
    EXPECT_TRUE(std::filesystem::is_directory(base_ + L"\\x\\y\\z"));
}

TEST_F(Win32Install, CreatesTheSharedDataFolder) {
    wchar_t appData[MAX_PATH];
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr,
                                           0, appData)));
    Install({});
    EXPECT_TRUE(std::filesystem::is_directory(JoinPath(appData, L"Quintrel")));
}

}  // namespace
