#include "installer/engine/thread_work_data.h"

#include <string_view>

#include "installer/engine/path_helpers.h"
#include "installer/engine/version_name.h"

namespace {

constexpr int kIgnoredVersion = -1;

struct KnownVersion {
    std::wstring_view subkey;
    int index;
};

// Registry subkeys of After Effects versions and the version index each one fills.
constexpr KnownVersion kKnownVersions[] = {
    {L"8.0", kIgnoredVersion}, {L"9.0", kIgnoredVersion}, {L"10.0", kIgnoredVersion},
    {L"10.5", kIgnoredVersion}, {L"11", kIgnoredVersion}, {L"12", 5},
    {L"13", 6},                {L"13.5", 7},              {L"13.8", 8},
    {L"14.0", 9},              {L"15.0", 10},
};

const KnownVersion* FindKnownVersion(const std::wstring& subkey) {
    for (const KnownVersion& known : kKnownVersions) {
        if (known.subkey == subkey) return &known;
    }
    return nullptr;
}

}  // namespace

ThreadWorkData::ThreadWorkData(pelsdk::platform::services& os)
    : os(os),
      pluginStatus(12, 0),
      versionNames{"CS3", "CS4", "CS5", "CS55", "CS6", "CC", "CC2014", "CC2015", "CC2015.3",
                   "CC2017", "CC2018", "Custom"} {}

std::vector<std::wstring> ThreadWorkData::DetectVersions() {
    std::vector<std::wstring> folders(kCustomVersionIndex + 1);
    const bool wow64 = os.info.is_wow64_process();
    ReadVersionsKey(pelsdk::platform::kKeyRead, folders);
    // A 64-bit build is never under WOW64, so it reads the registry once, in its own view.
    if (wow64) {
        ReadVersionsKey(pelsdk::platform::kKeyRead | pelsdk::platform::kKeyWow64_64Key, folders);
    }
    return folders;
}

void ThreadWorkData::ReadVersionsKey(uint32_t access, std::vector<std::wstring>& folders) {
    pelsdk::platform::registry& keys = os.keys;
    const auto key = keys.open_local_machine(L"SOFTWARE\\Adobe\\After Effects", access);
    if (!key) return;
    const uint32_t count = keys.count_subkeys(*key).value_or(0);
    for (uint32_t i = 0; i < count; ++i) {
        const auto subkey = keys.subkey_name(*key, i);
        if (!subkey) continue;
        const auto folder = keys.string_value(*key, *subkey, L"PluginInstallPath");
        if (!folder) continue;
        TakeVersion(*subkey, WithBackslashes(*folder), folders);
    }
    keys.close(*key);
}

void ThreadWorkData::TakeVersion(const std::wstring& subkey, const std::wstring& folder,
                                 std::vector<std::wstring>& folders) {
    if (const KnownVersion* known = FindKnownVersion(subkey)) {
        if (known->index != kIgnoredVersion) folders[known->index] = folder;
        return;
    }
    if (folder.empty()) return;
    folders.push_back(folder);
    versionNames.push_back(VersionNameFromPath(folder));
}

void ThreadWorkData::PrepareRun(size_t pluginCount, size_t scriptCount) {
    done.store(false, std::memory_order_relaxed);
    pluginStatus.resize(pluginCount, 0);
    pluginError.resize(pluginCount, 0);
    scriptStatus.resize(scriptCount, 0);
}

void ThreadWorkData::SetPluginStatus(size_t index, int32_t status) {
    std::atomic_ref<int32_t>(pluginStatus[index]).store(status, std::memory_order_relaxed);
}

bool ThreadWorkData::IsDone() const { return done.load(std::memory_order_acquire); }

std::vector<int32_t> ThreadWorkData::CopyPluginStatus() const {
    std::vector<int32_t> copy(pluginStatus.size());
    for (size_t i = 0; i < copy.size(); ++i) {
        copy[i] = std::atomic_ref<int32_t>(const_cast<int32_t&>(pluginStatus[i]))
                      .load(std::memory_order_relaxed);
    }
    return copy;
}
