#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <thread>

#include "installer/engine/install_status.h"
#include "installer/engine/install_worker.h"
#include "tests/support/headless_scene.h"

namespace {

const std::vector<unsigned char> kPlugin = {'M', 'Z', 0, 1, 2, 0xFF, 0x80, 7};
constexpr int32_t kInstalled = StatusCode(InstallStatus::kInstalled);

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

// The shared data folder is made too, but the plug-in does not depend on it: failing to make it
// changes no status.
TEST_F(InstallWorkerTest, WritesThePluginIntoTheMakerFolderOfEachTarget) {
    MakeFolder(L"C:\\AE1\\Plug-ins");
    WriteFile(L"C:\\AE2\\Plug-ins\\Quintrel\\Velkor.aex", "an older, longer plug-in file");
    WriteFile(L"C:\\Blocked", "a file where the folder should be");
    // Without a known folder, "Quintrel" is relative to nothing and cannot be made.
    using Folder = std::optional<std::wstring>;
    for (const Folder& appData : {Folder(L"C:/Shared/Data"), Folder(L"C:\\Blocked"), Folder()}) {
        machine.info.app_data = appData;
        EXPECT_EQ(Install({L"C:\\AE1\\Plug-ins", L"", L"C:\\AE2\\Plug-ins\\"}),
                  (std::vector<int32_t>{kInstalled, 0, kInstalled}));
        EXPECT_EQ(ReadFile(L"C:\\AE1\\Plug-ins\\Quintrel\\Velkor.aex"), kPlugin);
        EXPECT_EQ(ReadFile(L"C:\\AE2\\Plug-ins\\Quintrel\\Velkor.aex"), kPlugin);
    }
    EXPECT_TRUE(IsFolder(L"C:\\Shared\\Data\\Quintrel"));
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
        const std::filesystem::directory_iterator makerFiles(scene.machine.files.host_path(maker));
        EXPECT_EQ(std::distance(makerFiles, {}), 1);
        // A failure never stops the loop: the next folder is still tried.
        EXPECT_NE(statuses[1], StatusCode(InstallStatus::kNotAttempted));
    }
}

// The UI thread polls done and copies the statuses while the worker writes them; run under
// ThreadSanitizer this checks the publication order as well as the results. The status list
// starts with twelve slots; a longer list adds zeroed ones.
TEST_F(InstallWorkerTest, StatusesSeenAfterDoneAreFinal) {
    EXPECT_EQ(data.pluginStatus.size(), 12u);
    std::vector<std::wstring> folders;
    for (int i = 0; i < 40; ++i) {
        const std::wstring folder = L"C:\\AE" + std::to_wstring(i);
        MakeFolder(folder);
        folders.push_back(i % 5 == 4 ? L"" : folder);
    }
    // The second run on the same data must not take the first one's done for its own.
    for (int run = 0; run < 2; ++run) {
        data.PrepareRun(folders.size(), 0);
        std::thread worker(InstallWorker, &data, folders, std::vector<std::wstring>{}, L"");
        bool done = false;
        std::vector<int32_t> seen;
        while (!done) {
            done = data.IsDone();
            seen = data.CopyPluginStatus();
            ASSERT_EQ(seen.size(), folders.size());
            for (int32_t status : seen) EXPECT_LE(status, kInstalled);
        }
        worker.join();
        for (size_t i = 0; i < folders.size(); ++i) {
            EXPECT_EQ(seen[i], folders[i].empty() ? 0 : kInstalled);
        }
    }
}

}  // namespace
