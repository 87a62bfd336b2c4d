// Detection against the real registry: the test writes its own After Effects keys into the
// Wine prefix and removes them afterwards.
#include <windows.h>
#include <gtest/gtest.h>

#include "installer/engine/thread_work_data.h"
#include "installer/engine/version_list.h"
#include "platform/win32/win32_services.h"

namespace {

const wchar_t kVersionsKey[] = L"SOFTWARE\\Adobe\\After Effects";

void SetValue(const std::wstring& subkey, DWORD type, const void* data, DWORD bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (kVersionsKey + (L"\\" + subkey)).c_str(), 0,
                              nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"PluginInstallPath", 0, type, static_cast<const BYTE*>(data), bytes);
    RegCloseKey(key);
}

void SetPath(const std::wstring& subkey, const std::wstring& folder, DWORD type = REG_SZ) {
    SetValue(subkey, type, folder.c_str(), static_cast<DWORD>((folder.size() + 1) * 2));
}

TEST(Win32Registry, ReadsStringsThatFitExpandedAndSkipsTheRest) {
    pelsdk::platform::services& os = pelsdk::platform::win32_services();
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kVersionsKey);
    ThreadWorkData missing{os};
    EXPECT_EQ(missing.DetectVersions(), std::vector<std::wstring>(12)) << "no key at all";

    SetPath(L"12", std::wstring(256, L'x'));
    SetPath(L"13", std::wstring(255, L'y'));
    SetPath(L"13.5", L"C:/AE15/Plug-ins");
    SetPath(L"14.0", L"%ProgramFiles%\\AE17", REG_EXPAND_SZ);
    const DWORD number = 15;
    SetValue(L"15.0", REG_DWORD, &number, sizeof(number));
    SetPath(L"16.0", L"C:\\Program Files\\Adobe\\Adobe After Effects 2019\\Support Files\\Plug-ins");

    ThreadWorkData data{os};
    std::vector<std::wstring> expected(12);
    expected[6] = std::wstring(255, L'y');
    expected[7] = L"C:\\AE15\\Plug-ins";
    expected[9] = L"C:\\Program Files\\AE17";
    expected.push_back(L"C:\\Program Files\\Adobe\\Adobe After Effects 2019\\Support Files\\Plug-ins");
    EXPECT_EQ(data.DetectVersions(), expected);
    EXPECT_EQ(data.versionNames[12], "2019");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kVersionsKey);
}

// The three kinds of values an entry holds go to the 64-bit view and come back as written.
TEST(Win32Registry, WritesListsAndDeletesInTheSixtyFourBitView) {
    pelsdk::platform::registry& keys = pelsdk::platform::win32_services().keys;
    const std::wstring path = L"SOFTWARE\\Velkor Registry Test";
    const std::vector<std::wstring> folders = {L"C:\\AE\\Plug-ins", L"D:\\Mine"};
    ASSERT_EQ(keys.write_values(path, {{L"Name", std::wstring(L"text")},
                                       {L"Number", uint32_t{7}},
                                       {L"Folders", folders}}),
              0u);
    DWORD number = 0, size = sizeof(number);
    EXPECT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, path.c_str(), L"Number",
                           RRF_RT_REG_DWORD | RRF_SUBKEY_WOW6464KEY, nullptr, &number, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(number, 7u);
    EXPECT_EQ(keys.text_list(path, L"Folders"), folders);
    EXPECT_EQ(keys.text_list(path, L"Name"), std::nullopt) << "not a list";
    EXPECT_EQ(keys.delete_key(path), 0u);
    EXPECT_EQ(keys.text_list(path, L"Folders"), std::nullopt);
    EXPECT_EQ(keys.delete_key(path), static_cast<uint32_t>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
