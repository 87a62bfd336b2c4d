#include <gtest/gtest.h>

#include "installer/engine/thread_work_data.h"
#include "installer/engine/version_list.h"
#include "installer/engine/version_name.h"
#include "tests/support/headless_scene.h"

namespace {

using pelsdk::platform::memory_registry;

const std::wstring kVersionsKey = L"SOFTWARE\\Adobe\\After Effects";

class VersionDetection : public HeadlessTest {
protected:
    void Install(const std::wstring& subkey, const std::wstring& folder,
                 memory_registry::view in = memory_registry::view::native_64,
                 memory_registry::value_type type = memory_registry::value_type::string) {
        machine.keys.set_value(kVersionsKey + L"\\" + subkey, L"PluginInstallPath", folder, type,
                               in);
    }

    ThreadWorkData data{os};
};

TEST_F(VersionDetection, KnownSubkeysFillTheirSlotsAndOlderOnesAreNeverOffered) {
    for (const std::wstring subkey : {L"8.0", L"9.0", L"10.0", L"10.5", L"11", L"12", L"13",
                                      L"13.5", L"13.8", L"14.0", L"15.0"}) {
        Install(subkey, L"C:\\" + subkey);
    }
    const std::vector<std::wstring> expected = {
        L"",       L"",       L"",         L"",         L"",         L"C:\\12",
        L"C:\\13", L"C:\\13.5", L"C:\\13.8", L"C:\\14.0", L"C:\\15.0", L""};
    EXPECT_EQ(data.DetectVersions(), expected);
    EXPECT_EQ(data.versionNames.size(), 12u);
}

TEST_F(VersionDetection, ListsKnownVersionsOldestFirstThenUnlistedThenCustom) {
    const std::wstring aeCC2019 = L"E:\\Adobe After Effects CC 2019\\Support Files";
    const std::wstring ae2019 = L"C:\\Adobe\\Adobe After Effects 2019\\Support Files";
    Install(L"15.0", L"D:\\AE18\\Plug-ins");
    Install(L"16.0", ae2019 + L"\\Plug-ins\\");
    Install(L"13.5", L"C:/AE15/Plug-ins");
    Install(L"12.0", aeCC2019 + L"\\Plug-ins");

    const std::vector<VersionEntry> entries = BuildVersionList(data);

    struct Row {
        int32_t index;
        std::wstring plugins, scripts;
        std::string name;
    };
    // Unlisted versions follow in name order: "12.0" is not the known "12".
    const Row expected[] = {
        {7, L"C:\\AE15\\Plug-ins", L"C:\\AE15\\Scripts", "CC2015"},
        {10, L"D:\\AE18\\Plug-ins", L"D:\\AE18\\Scripts", "CC2018"},
        {12, aeCC2019 + L"\\Plug-ins", aeCC2019 + L"\\Scripts", "CC2019"},
        {13, ae2019 + L"\\Plug-ins\\", ae2019 + L"\\Scripts", "2019"},
        {kCustomVersionIndex, L"", L"", "Custom"},
    };
    ASSERT_EQ(entries.size(), std::size(expected));
    ASSERT_EQ(data.versionNames.size(), 14u);
    for (size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(entries[i].index, expected[i].index);
        EXPECT_EQ(entries[i].pluginFolder, expected[i].plugins);
        EXPECT_EQ(entries[i].scriptFolder, expected[i].scripts);
        EXPECT_EQ(data.versionNames[entries[i].index], expected[i].name);
        // Every version found is ticked; the custom folder is not.
        EXPECT_EQ(entries[i].selected, i + 1 < entries.size());
        EXPECT_EQ(entries[i].status, 0);
    }
}

TEST_F(VersionDetection, UnreadableValuesAndSubkeysLeaveTheirVersionOut) {
    const auto native = memory_registry::view::native_64;
    using type = memory_registry::value_type;
    Install(L"12", L"C:\\CC");  // the first in name order, which fails to enumerate
    machine.keys.fail_enumeration(kVersionsKey, 0);
    Install(L"13", std::wstring(256, L'x'));  // one character too long for the buffer
    Install(L"13.8", L"C:\\AE17", native, type::dword);
    machine.keys.set_environment(L"ProgramFiles", L"C:\\Program Files");
    Install(L"15.0", L"%ProgramFiles%\\AE18 %Unknown%", native, type::expandable_string);
    Install(L"17.0", L"");  // unlisted and empty
    Install(std::wstring(256, L'9'), L"C:\\Name\\Too\\Long");

    const std::vector<std::wstring> folders = data.DetectVersions();

    std::vector<std::wstring> expected(12);
    expected[10] = L"C:\\Program Files\\AE18 %Unknown%";
    EXPECT_EQ(folders, expected);
    EXPECT_EQ(data.versionNames.size(), 12u);
    EXPECT_EQ(machine.keys.open_key_count(), 0u);
}

// A 32-bit build runs under WOW64: it reads its own view, then the 64-bit one, whose values win.
// A 64-bit build reads its own view once.
TEST_F(VersionDetection, Wow64ProcessReadsBothViewsAndTheSecondWins) {
    const auto wow32 = memory_registry::view::wow_32;
    const auto native = memory_registry::view::native_64;
    Install(L"15.0", L"C:\\x86\\AE18", wow32);
    Install(L"14.0", L"C:\\x86\\AE17", wow32);
    Install(L"15.0", L"C:\\x64\\AE18", native);
    Install(L"14.0", L"", native);
    for (const bool wow64 : {false, true}) {
        SCOPED_TRACE(wow64 ? "under WOW64" : "64-bit");
        machine.info.wow64 = wow64;
        machine.keys.set_default_view(wow64 ? wow32 : native);
        const std::vector<std::wstring> folders = ThreadWorkData(os).DetectVersions();
        EXPECT_EQ(folders[10], L"C:\\x64\\AE18");
        EXPECT_EQ(folders[9], L"");  // under WOW64, an empty value of the second pass clears it
    }
    EXPECT_EQ(machine.keys.opened_with(), (std::vector<uint32_t>{0x20019, 0x20019, 0x20119}));
}

// An unlisted version is named after the folder two levels above its plug-in folder.
TEST(VersionNameFromPath, NamesTheFolderTwoLevelsAbovePluginFolder) {
    struct Case {
        std::wstring folder;
        std::string name;
    };
    // Plain names ("2019", "CC 2019") are in the version list test above; these are the edges.
    const Case cases[] = {
        // No "After Effects" in the name: the whole name, less its white space.
        {L"D:\\My AE\\Support\\Plug-ins", "MyAE"},
        {L"D:\\My\tA\nE\r\v\f\\x\\y", "MyAE"},
        // The last occurrence counts.
        {L"C:\\After Effects After Effects 7\\a\\b", "7"},
        // Nothing follows "After Effects": the name stays whole.
        {L"C:\\Adobe After Effects\\a\\b", "AdobeAfterEffects"},
        {L"C:\\x\\Adobe After Effects \\a\\b", ""},
        // Matching is case-sensitive.
        {L"C:\\adobe after effects 2021\\a\\b", "adobeaftereffects2021"},
        // Too few levels.
        {L"Support\\Plug-ins", ""},
        {L"Root\\Support\\Plug-ins", "Root"},
        {L"C:\\Adobe After Effects 2\u00e9\u4e2d\\a\\b", "2\xc3\xa9\xe4\xb8\xad"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VersionNameFromPath(c.folder), c.name) << "case " << (&c - cases);
    }
}

}  // namespace
