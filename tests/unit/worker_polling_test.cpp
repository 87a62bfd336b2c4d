// The UI thread polls done and copies the statuses while the worker writes them; run under
// ThreadSanitizer this checks the publication order as well as the results.
#include <gtest/gtest.h>

#include <thread>

#include "installer/engine/install_status.h"
#include "installer/engine/install_worker.h"
#include "tests/support/headless_scene.h"

namespace {

using WorkerPolling = HeadlessTest;

TEST_F(WorkerPolling, StatusesSeenAfterDoneAreFinal) {
    machine.resources.add_rcdata(kPluginResourceId, std::vector<unsigned char>(4096, 0x5A));
    std::vector<std::wstring> folders;
    for (int i = 0; i < 40; ++i) {
        const std::wstring folder = L"C:\\AE" + std::to_wstring(i);
        MakeFolder(folder);
        folders.push_back(i % 5 == 4 ? L"" : folder);
    }
    ThreadWorkData data(os);
    for (int run = 0; run < 2; ++run) {
        data.PrepareRun(folders.size(), 0);
        std::thread worker(InstallWorker, &data, folders, std::vector<std::wstring>{}, L"");
        bool done = false;
        std::vector<int32_t> seen;
        while (!done) {
            done = data.IsDone();
            seen = data.CopyPluginStatus();
            ASSERT_EQ(seen.size(), folders.size());
            for (int32_t status : seen) EXPECT_LE(status, StatusCode(InstallStatus::kInstalled));
        }
        worker.join();
        for (size_t i = 0; i < folders.size(); ++i) {
            EXPECT_EQ(seen[i], folders[i].empty() ? 0 : StatusCode(InstallStatus::kInstalled));
        }
    }
}

}  // namespace
