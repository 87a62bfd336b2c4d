// Detection against the real registry: the test writes its own After Effects keys into the
// Wine prefix and removes them afterwards.
#include <windows.h>
#include <gtest/gtest.h>

#include "installer/engine/thread_work_data.h"
#include "installer/engine/version_list.h"
#include "platform/win32/win32_services.h"

namespace {

const wchar_t kVersionsKey[] = L"SOFTWARE\\Adobe\\After Effects";

class Win32Registry : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kVersionsKey); }
    void TearDown() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kVersionsKey); }

    static void SetValue(const std::wstring& subkey, DWORD type, const void* data, DWORD bytes) {
        const std::wstring path = std::wstring(kVersionsKey) + L"\\" + subkey;
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExW(key, L"PluginInstallPath", 0, type,
                                 static_cast<const BYTE*>(data), bytes),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    static void SetPath(const std::wstring& subkey, const std::wstring& folder,
                        DWORD type = REG_SZ) {
        SetValue(subkey, type, folder.c_str(), static_cast<DWORD>((folder.size() + 1) * 2));
    }

    ThreadWorkData data{pelsdk::platform::win32_services()};
};

TEST_F(Win32Registry, DetectsKnownAndUnlistedVersions) {
    SetPath(L"13.5", L"C:/AE15/Plug-ins");
    SetPath(L"15.0", L"D:\\AE18\\Plug-ins");
    SetPath(L"11", L"C:\\AE11\\Plug-ins");
    SetPath(L"16.0",
            L"C:\\Program Files\\Adobe\\Adobe After Effects 2019\\Support Files\\Plug-ins\\");

    const std::vector<VersionEntry> entries = BuildVersionList(data);

    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].index, 7);
    EXPECT_EQ(entries[0].pluginFolder, L"C:\\AE15\\Plug-ins");
    EXPECT_EQ(entries[0].scriptFolder, L"C:\\AE15\\Scripts");
    EXPECT_EQ(entries[1].index, 10);
    EXPECT_EQ(entries[1].pluginFolder, L"D:\\AE18\\Plug-ins");
    EXPECT_EQ(entries[2].index, 12);
    EXPECT_EQ(data.versionNames[12], "2019");
    EXPECT_EQ(entries[3].index, kCustomVersionIndex);
}

TEST_F(Win32Registry, ValuesThatDoNotFitOrAreNotStringsAreSkipped) {
    SetPath(L"12", std::wstring(256, L'x'));
    SetPath(L"13", std::wstring(255, L'y'));
    SetPath(L"13.8", std::wstring(200, L'z'));
    SetPath(L"14.0", L"%ProgramFiles%\\AE17", REG_EXPAND_SZ);  // read expanded
    const DWORD number = 15;
    SetValue(L"15.0", REG_DWORD, &number, sizeof(number));

    const std::vector<std::wstring> folders = data.DetectVersions();

    ASSERT_EQ(folders.size(), 12u);
    EXPECT_EQ(folders[5], L"");
    EXPECT_EQ(folders[6], std::wstring(255, L'y'));
    EXPECT_EQ(folders[8], std::wstring(200, L'z'));
    EXPECT_EQ(folders[9], L"C:\\Program Files\\AE17");
    EXPECT_EQ(folders[10], L"");
}

TEST_F(Win32Registry, MissingKeyLeavesOnlyTheCustomRow) {
    const std::vector<VersionEntry> entries = BuildVersionList(data);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].index, kCustomVersionIndex);
}

}  // namespace
