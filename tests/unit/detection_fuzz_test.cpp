// Detection over many random registries and names over random paths: whatever the registry
// holds, detection must not crash and its results must stay consistent.
#include <gtest/gtest.h>

#include <random>

#include "installer/engine/path_helpers.h"
#include "installer/engine/thread_work_data.h"
#include "installer/engine/version_list.h"
#include "installer/engine/version_name.h"
#include "platform/headless/memory_registry.h"
#include "tests/support/headless_scene.h"

namespace {

using pelsdk::platform::memory_registry;

class RandomText {
public:
    explicit RandomText(uint32_t seed) : engine_(seed) {}

    size_t Below(size_t bound) { return std::uniform_int_distribution<size_t>(0, bound - 1)(engine_); }

    std::wstring Path() {
        static const std::wstring pieces[] = {
            L"\\", L"/", L"C:", L"Adobe", L"After Effects", L" ", L"\t", L"Support Files",
            L"Plug-ins", L"2020", L"CC", L"\u00e9", L"\U0001F600", L"..", L"\\\\",
        };
        std::wstring path;
        const size_t count = Below(12);
        for (size_t i = 0; i < count; ++i) {
            if (Below(6) == 0) {
                path += static_cast<wchar_t>(1 + Below(0xD7FF));
            } else {
                path += pieces[Below(std::size(pieces))];
            }
        }
        if (Below(20) == 0) path += std::wstring(250 + Below(10), L'p');
        return path;
    }

    std::wstring SubkeyName() {
        static const std::wstring names[] = {
            L"8.0", L"9.0", L"10.0", L"10.5", L"11", L"12", L"13", L"13.5", L"13.8", L"14.0",
            L"15.0", L"12.0", L"16.0", L"17.0", L"", L" 15.0", L"15.0 ",
        };
        if (Below(10) == 0) return std::wstring(250 + Below(10), L'k');
        return names[Below(std::size(names))];
    }

private:
    std::mt19937 engine_;
};

TEST(DetectionFuzz, RandomRegistriesGiveAlignedResults) {
    for (uint32_t seed = 1; seed <= 500; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomText random(seed);
        HeadlessScene scene;
        scene.machine.info.wow64 = random.Below(2) == 0;
        scene.machine.keys.set_default_view(random.Below(2) == 0 ? memory_registry::view::wow_32
                                                                 : memory_registry::view::native_64);
        const size_t subkeys = random.Below(12);
        for (size_t i = 0; i < subkeys; ++i) {
            const auto view = random.Below(2) == 0 ? memory_registry::view::wow_32
                                                   : memory_registry::view::native_64;
            const auto type = random.Below(8) == 0 ? memory_registry::value_type::dword
                                                   : memory_registry::value_type::string;
            const std::wstring key = L"SOFTWARE\\Adobe\\After Effects\\" + random.SubkeyName();
            scene.machine.keys.set_value(key, L"PluginInstallPath", random.Path(), type, view);
            if (random.Below(10) == 0) {
                scene.machine.keys.fail_enumeration(L"SOFTWARE\\Adobe\\After Effects",
                                                    static_cast<uint32_t>(random.Below(12)), view);
            }
        }

        ThreadWorkData data(scene.os);
        const std::vector<VersionEntry> entries = BuildVersionList(data);

        ASSERT_GE(data.versionNames.size(), 12u);
        EXPECT_EQ(data.versionNames[11], "Custom");
        EXPECT_EQ(scene.machine.keys.open_key_count(), 0u);
        ASSERT_FALSE(entries.empty());
        EXPECT_EQ(entries.back().index, kCustomVersionIndex);
        for (size_t i = 0; i + 1 < entries.size(); ++i) {
            const VersionEntry& entry = entries[i];
            ASSERT_LT(static_cast<size_t>(entry.index), data.versionNames.size());
            EXPECT_NE(entry.index, kCustomVersionIndex);
            EXPECT_GE(entry.index, 5) << "CS3 to CS6 are never offered";
            EXPECT_FALSE(entry.pluginFolder.empty());
            EXPECT_EQ(entry.pluginFolder.find(L'/'), std::wstring::npos);
            if (i > 0) {
                EXPECT_LT(entries[i - 1].index, entry.index);
            }
        }
    }
}

TEST(DetectionFuzz, NamesFromRandomPathsAreCleanUtf8) {
    RandomText random(2026);
    for (int i = 0; i < 5000; ++i) {
        const std::wstring path = random.Path();
        const std::string name = VersionNameFromPath(path);
        EXPECT_EQ(name.find_first_of(" \t\n\v\f\r"), std::string::npos);
        EXPECT_EQ(WideToUtf8(Utf8ToWide(name)), name) << "valid UTF-8";
        if (path.empty()) {
            EXPECT_EQ(name, "");
        }
    }
}

}  // namespace
