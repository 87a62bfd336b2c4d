#include <gtest/gtest.h>

#include "installer/engine/thread_work_data.h"
#include "installer/engine/version_list.h"
#include "tests/support/headless_scene.h"

namespace {

using pelsdk::platform::memory_registry;

const std::wstring kVersionsKey = L"SOFTWARE\\Adobe\\After Effects";

class VersionDetection : public HeadlessTest {
protected:
    void Install(const std::wstring& subkey, const std::wstring& folder,
                 memory_registry::view in = memory_registry::view::native_64) {
        machine.keys.set_value(kVersionsKey + L"\\" + subkey, L"PluginInstallPath", folder,
                               memory_registry::value_type::string, in);
    }

    ThreadWorkData data{os};
};

TEST_F(VersionDetection, KnownSubkeysFillTheirSlotsAndIgnoredOnesAreNeverOffered) {
    struct Case {
        std::wstring subkey;
        int expectedIndex;  // -1: not offered
    };
    const Case cases[] = {
        {L"8.0", -1},   {L"9.0", -1},   {L"10.0", -1},  {L"10.5", -1}, {L"11", -1},
        {L"12", 5},     {L"13", 6},     {L"13.5", 7},   {L"13.8", 8},  {L"14.0", 9},
        {L"15.0", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.subkey.begin(), c.subkey.end()));
        pelsdk::platform::headless_machine fresh(root.path(), TestImaging());
        fresh.keys.set_value(kVersionsKey + L"\\" + c.subkey, L"PluginInstallPath", L"C:\\AE\\Plug-ins");
        ThreadWorkData detected(fresh.services_of());
        const std::vector<std::wstring> folders = detected.DetectVersions();
        ASSERT_EQ(folders.size(), 12u);
        ASSERT_EQ(detected.versionNames.size(), 12u);
        for (int i = 0; i < 12; ++i) {
            EXPECT_EQ(folders[i], i == c.expectedIndex ? L"C:\\AE\\Plug-ins" : L"") << "slot " << i;
        }
    }
}

TEST_F(VersionDetection, ListsKnownVersionsOldestFirstThenUnlistedThenCustom) {
    Install(L"15.0", L"D:\\AE18\\Plug-ins");
    Install(L"16.0", L"C:\\Program Files\\Adobe\\Adobe After Effects 2019\\Support Files\\Plug-ins\\");
    Install(L"13.5", L"C:/AE15/Plug-ins");
    Install(L"12.0", L"E:\\Adobe After Effects CC 2019\\Support Files\\Plug-ins");

    const std::vector<VersionEntry> entries = BuildVersionList(data);

    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].index, 7);
    EXPECT_EQ(entries[0].pluginFolder, L"C:\\AE15\\Plug-ins");
    EXPECT_EQ(entries[0].scriptFolder, L"C:\\AE15\\Scripts");
    EXPECT_EQ(entries[1].index, 10);
    EXPECT_EQ(entries[1].pluginFolder, L"D:\\AE18\\Plug-ins");
    // Unlisted versions in enumeration (name) order: "12.0" is not the known "12".
    EXPECT_EQ(entries[2].index, 12);
    EXPECT_EQ(data.versionNames[12], "CC2019");
    EXPECT_EQ(entries[3].index, 13);
    EXPECT_EQ(data.versionNames[13], "2019");
    EXPECT_EQ(entries[3].scriptFolder,
              L"C:\\Program Files\\Adobe\\Adobe After Effects 2019\\Support Files\\Scripts");
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(entries[i].selected);
        EXPECT_EQ(entries[i].status, 0);
    }
    EXPECT_EQ(entries[4].index, kCustomVersionIndex);
    EXPECT_EQ(entries[4].pluginFolder, L"");
    EXPECT_EQ(entries[4].scriptFolder, L"");
    EXPECT_FALSE(entries[4].selected);
}

TEST_F(VersionDetection, UnreadableValuesLeaveTheirVersionOut) {
    Install(L"12", std::wstring(256, L'x'));      // one character too long for the buffer
    Install(L"13", std::wstring(255, L'y'));      // fits exactly
    Install(L"13.5", L"");                         // empty: not installed
    Install(L"17.0", L"");                         // unlisted and empty: dropped
    machine.keys.set_value(kVersionsKey + L"\\14.0", L"PluginInstallPath", L"C:\\AE17",
                           memory_registry::value_type::dword);
    machine.keys.set_value(kVersionsKey + L"\\15.0", L"OtherValue", L"C:\\AE18");
    Install(L"13.8", std::wstring(L"C:\\AE\0garbage", 14));  // ends at its first zero

    const std::vector<std::wstring> folders = data.DetectVersions();

    ASSERT_EQ(folders.size(), 12u);
    EXPECT_EQ(folders[5], L"");
    EXPECT_EQ(folders[6], std::wstring(255, L'y'));
    EXPECT_EQ(folders[7], L"");
    EXPECT_EQ(folders[8], L"C:\\AE");
    EXPECT_EQ(folders[9], L"");
    EXPECT_EQ(folders[10], L"");
    EXPECT_EQ(data.versionNames.size(), 12u);
    EXPECT_EQ(machine.keys.open_key_count(), 0u);
}

TEST_F(VersionDetection, ExpandableValuesAreReadExpanded) {
    machine.keys.set_environment(L"ProgramFiles", L"C:\\Program Files");
    const auto expandable = memory_registry::value_type::expandable_string;
    machine.keys.set_value(kVersionsKey + L"\\14.0", L"PluginInstallPath",
                           L"%ProgramFiles%\\AE17 %Unknown% 100%", expandable);
    // Fits before expansion, not after.
    machine.keys.set_value(kVersionsKey + L"\\15.0", L"PluginInstallPath",
                           L"%ProgramFiles%" + std::wstring(245, L'x'), expandable);

    const std::vector<std::wstring> folders = data.DetectVersions();

    EXPECT_EQ(folders[9], L"C:\\Program Files\\AE17 %Unknown% 100%");
    EXPECT_EQ(folders[10], L"");
}

TEST_F(VersionDetection, SubkeysThatFailToEnumerateAreSkipped) {
    Install(L"12", L"C:\\CC");
    Install(L"13", L"C:\\CC2014");
    Install(std::wstring(255, L'9'), L"C:\\Longest\\Name\\Plug-ins");  // the longest name allowed
    Install(std::wstring(256, L'8'), L"C:\\TooLong\\Name\\Plug-ins");
    machine.keys.fail_enumeration(kVersionsKey, 0);  // "12" comes first in name order

    const std::vector<std::wstring> folders = data.DetectVersions();

    EXPECT_EQ(folders[5], L"");
    EXPECT_EQ(folders[6], L"C:\\CC2014");
    ASSERT_EQ(folders.size(), 13u);
    EXPECT_EQ(folders[12], L"C:\\Longest\\Name\\Plug-ins");
    EXPECT_EQ(data.versionNames[12], "Longest");
}

TEST_F(VersionDetection, MissingKeyGivesOnlyTheCustomRow) {
    const std::vector<VersionEntry> entries = BuildVersionList(data);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].index, kCustomVersionIndex);
    EXPECT_EQ(machine.keys.opened_with(), std::vector<uint32_t>{0x20019});
}

TEST_F(VersionDetection, Wow64ProcessReadsBothViewsAndTheSecondWins) {
    machine.info.wow64 = true;
    machine.keys.set_default_view(memory_registry::view::wow_32);
    Install(L"15.0", L"C:\\x86\\AE18", memory_registry::view::wow_32);
    Install(L"14.0", L"C:\\x86\\AE17", memory_registry::view::wow_32);
    Install(L"15.0", L"C:\\x64\\AE18", memory_registry::view::native_64);
    Install(L"14.0", L"", memory_registry::view::native_64);
    const std::wstring unlisted = L"C:\\Adobe After Effects 2020\\Support Files\\Plug-ins";
    Install(L"17.0", unlisted, memory_registry::view::wow_32);
    Install(L"17.0", unlisted, memory_registry::view::native_64);

    const std::vector<std::wstring> folders = data.DetectVersions();

    EXPECT_EQ(machine.keys.opened_with(), (std::vector<uint32_t>{0x20019, 0x20119}));
    EXPECT_EQ(folders[10], L"C:\\x64\\AE18");
    EXPECT_EQ(folders[9], L"");  // an empty value of the second pass clears the slot
    // Unlisted versions are not de-duplicated across the passes.
    ASSERT_EQ(folders.size(), 14u);
    EXPECT_EQ(folders[12], unlisted);
    EXPECT_EQ(folders[13], unlisted);
    EXPECT_EQ(data.versionNames[12], "2020");
    EXPECT_EQ(data.versionNames[13], "2020");
    EXPECT_EQ(machine.keys.open_key_count(), 0u);
}

TEST_F(VersionDetection, NativeProcessReadsOnce) {
    Install(L"15.0", L"C:\\x86\\AE18", memory_registry::view::wow_32);
    Install(L"14.0", L"C:\\x64\\AE17");
    const std::vector<std::wstring> folders = data.DetectVersions();
    EXPECT_EQ(machine.keys.opened_with(), std::vector<uint32_t>{0x20019});
    EXPECT_EQ(folders[9], L"C:\\x64\\AE17");
    EXPECT_EQ(folders[10], L"");
}

}  // namespace
