#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "installer/engine/install_status.h"
#include "installer/engine/install_worker.h"
#include "tests/support/headless_scene.h"

namespace {

const std::vector<unsigned char> kPlugin = {'M', 'Z', 0, 1, 2, 0xFF, 0x80, 7};

class InstallScene : public HeadlessScene {
public:
    void AddPlugin() { machine.resources.add_rcdata(kPluginResourceId, kPlugin); }

    std::vector<int32_t> Install(std::vector<std::wstring> folders) {
        InstallWorker(&data, std::move(folders), {}, L"");
        EXPECT_TRUE(data.IsDone());
        return data.CopyPluginStatus();
    }

    ThreadWorkData data{os};
};

class InstallWorkerTest : public ::testing::Test, public InstallScene {
protected:
    void SetUp() override { AddPlugin(); }
};

constexpr int32_t kInstalled = StatusCode(InstallStatus::kInstalled);

TEST_F(InstallWorkerTest, WritesThePluginIntoTheMakerFolderOfEachTarget) {
    MakeFolder(L"C:\\AE1\\Plug-ins");
    WriteFile(L"C:\\AE2\\Plug-ins\\Quintrel\\Velkor.aex", "an older, longer plug-in file");
    const std::vector<int32_t> statuses =
        Install({L"C:\\AE1\\Plug-ins", L"", L"C:\\AE2\\Plug-ins\\"});

    EXPECT_EQ(statuses, (std::vector<int32_t>{kInstalled, 0, kInstalled}));
    EXPECT_EQ(ReadFile(L"C:\\AE1\\Plug-ins\\Quintrel\\Velkor.aex"), kPlugin);
    EXPECT_EQ(ReadFile(L"C:\\AE2\\Plug-ins\\Quintrel\\Velkor.aex"), kPlugin);
    EXPECT_TRUE(IsFolder(L"C:\\ProgramData\\Quintrel"));
    EXPECT_TRUE(data.scriptStatus.empty());
}

// A failed write leaves the plug-in that was there whole, and nothing beside it.
TEST(InstallWorkerFailures, EachFailureHasItsStatusKeepsTheOldPluginAndTheLoopGoesOn) {
    const std::wstring target = L"C:\\AE\\Plug-ins";
    const std::wstring maker = target + L"\\Quintrel";
    const std::wstring file = maker + L"\\Velkor.aex";
    const std::string old = "the plug-in installed before";
    struct Case {
        const char* name;
        bool addPlugin;
        std::function<void(InstallScene&)> arrange;  // after an old plug-in was put in place
        InstallStatus expected;
        uint32_t error;
    };
    using namespace pelsdk::platform;
    const Case cases[] = {
        {"resource missing", false, [](InstallScene&) {}, InstallStatus::kResourceNotFound, 0},
        {"resource fails to load", true,
         [](InstallScene& s) { s.machine.resources.fail_loading(kPluginResourceId); },
         InstallStatus::kResourceLoadFailed, 0},
        {"maker folder read-only", true, [&](InstallScene& s) { s.machine.files.make_read_only(maker); },
         InstallStatus::kFileOpenFailed, kErrorAccessDenied},
        {"old plug-in held by After Effects", true,
         [&](InstallScene& s) { s.machine.files.hold_open(file); }, InstallStatus::kFileOpenFailed,
         kErrorSharingViolation},
        {"disk full half way", true,
         [&](InstallScene& s) { s.machine.files.fail_writing_in(maker); },
         InstallStatus::kFileWriteFailed, kErrorDiskFull},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstallScene scene;
        if (c.addPlugin) scene.AddPlugin();
        scene.WriteFile(file, old);
        c.arrange(scene);
        scene.MakeFolder(L"C:\\Next");
        const std::vector<int32_t> statuses = scene.Install({target, L"C:\\Next"});
        EXPECT_EQ(statuses[0], StatusCode(c.expected));
        EXPECT_EQ(scene.data.pluginError[0], c.error);
        EXPECT_EQ(scene.ReadFile(file), std::vector<unsigned char>(old.begin(), old.end()));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(
                                    scene.machine.files.host_path(maker)),
                                {}),
                  1);
        // A failure never stops the loop: the next folder is still tried.
        EXPECT_NE(statuses[1], StatusCode(InstallStatus::kNotAttempted));
        EXPECT_NE(statuses[1], StatusCode(InstallStatus::kWriting));
    }
    // Where no folder can be made, nothing is written at all.
    for (const bool fileInTheWay : {false, true}) {
        InstallScene scene;
        scene.AddPlugin();
        if (fileInTheWay) scene.WriteFile(maker, "x");
        EXPECT_EQ(scene.Install({target}), std::vector<int32_t>{StatusCode(InstallStatus::kFileOpenFailed)});
        EXPECT_EQ(scene.data.pluginError[0], kErrorPathNotFound);
    }
}

TEST_F(InstallWorkerTest, RetryWritesOnlyWhatIsListedAndKeepsEarlierStatuses) {
    machine.files.fail_writing_in(L"C:\\B\\Quintrel");
    MakeFolder(L"C:\\A");
    MakeFolder(L"C:\\B");
    EXPECT_EQ(Install({L"C:\\A", L"C:\\B"}),
              (std::vector<int32_t>{kInstalled, StatusCode(InstallStatus::kFileWriteFailed)}));

    EXPECT_EQ(Install({L"", L"C:\\B"}),
              (std::vector<int32_t>{kInstalled, StatusCode(InstallStatus::kFileWriteFailed)}));
    EXPECT_EQ(machine.files.writes_in(L"C:\\A\\Quintrel"), 1);
    EXPECT_EQ(machine.files.writes_in(L"C:\\B\\Quintrel"), 2);
}

TEST_F(InstallWorkerTest, StatusListFollowsTheFolderListWithoutLosingSlots) {
    // Twelve slots from the start; a longer list adds zeroed slots, a shorter one trims.
    EXPECT_EQ(data.pluginStatus.size(), 12u);
    std::vector<std::wstring> folders(14);
    EXPECT_EQ(Install(folders), std::vector<int32_t>(14, 0));
    EXPECT_EQ(Install({L"", L""}), std::vector<int32_t>(2, 0));
}

TEST_F(InstallWorkerTest, SharedDataFolderNeverChangesAStatus) {
    struct Case {
        std::optional<std::wstring> appData;
        std::wstring expectedFolder;  // empty: nothing is created
    };
    const Case cases[] = {
        {L"C:/Shared/Data", L"C:\\Shared\\Data\\Quintrel"},
        {std::nullopt, L""},  // no known folder: Quintrel relative to nothing
    };
    for (const Case& c : cases) {
        machine.info.app_data = c.appData;
        MakeFolder(L"C:\\AE");
        EXPECT_EQ(Install({L"C:\\AE"}), std::vector<int32_t>{kInstalled});
        if (!c.expectedFolder.empty()) {
            EXPECT_TRUE(IsFolder(c.expectedFolder));
        }
    }
    machine.info.app_data = L"C:\\Blocked";
    WriteFile(L"C:\\Blocked", "file");
    EXPECT_EQ(Install({L"C:\\AE"}), std::vector<int32_t>{kInstalled});
}

}  // namespace
