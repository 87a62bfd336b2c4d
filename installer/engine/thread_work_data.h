#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/services.h"

inline constexpr int32_t kCustomVersionIndex = 11;

// Everything the UI thread and the install worker share. Detection fills the version names;
// the worker writes one status per target and raises done last. Status slots are read and
// written whole through atomic views, and the vectors are sized by the UI thread before a
// worker starts, so they never reallocate while the other thread may read them.
struct ThreadWorkData {
    explicit ThreadWorkData(pelsdk::platform::services& os);

    // The plug-in folder per version index (empty: not installed): twelve known slots, then one
    // per unlisted version, whose names this appends to versionNames.
    std::vector<std::wstring> DetectVersions();

    // Called on the UI thread before a worker starts: lowers done and sizes the status lists,
    // keeping the statuses of an earlier run.
    void PrepareRun(size_t pluginCount, size_t scriptCount);
    void SetPluginStatus(size_t index, int32_t status);
    // done, read with acquire: true means the statuses copied afterwards are final.
    bool IsDone() const;
    std::vector<int32_t> CopyPluginStatus() const;

    pelsdk::platform::services& os;
    std::atomic<bool> done{false};
    std::vector<int32_t> pluginStatus;
    std::vector<int32_t> scriptStatus;
    // The Windows error behind each failed plug-in status, for the log; the worker writes it
    // before the status, and it is read only once the worker has been joined.
    std::vector<uint32_t> pluginError;
    std::vector<std::string> versionNames;

private:
    void ReadVersionsKey(uint32_t access, std::vector<std::wstring>& folders);
    void TakeVersion(const std::wstring& subkey, const std::wstring& folder,
                     std::vector<std::wstring>& folders);
};
