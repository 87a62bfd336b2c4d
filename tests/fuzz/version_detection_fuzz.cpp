// Detection over a registry built from the input: whatever the After Effects key holds (names
// and paths too long, not UTF-16-clean, of the wrong type, failing to enumerate, in either view),
// the version list stays consistent, every key is closed and every name is clean UTF-8.
#include <fuzzer/FuzzedDataProvider.h>

#include <filesystem>

#include "installer/engine/thread_work_data.h"
#include "installer/engine/version_list.h"
#include "platform/headless/memory_registry.h"
#include "platform/text_encoding.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/support/test_imaging.h"

namespace {

using pelsdk::platform::memory_registry;

const std::wstring kVersionsKey = L"SOFTWARE\\Adobe\\After Effects";

// Room for names and paths past the 255 units a registry buffer holds.
constexpr size_t kLongestText = 300;

// Registry text: UTF-8, except that byte 1 and the two bytes after it give one raw UTF-16 unit,
// so that lone surrogates and embedded terminators occur too.
std::wstring registry_text(FuzzedDataProvider& input) {
    const std::string bytes = input.ConsumeRandomLengthString(kLongestText);
    std::wstring text;
    std::string utf8;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == 1 && i + 2 < bytes.size()) {
            text += pelsdk::platform::utf8_to_wide(utf8);
            utf8.clear();
            text += static_cast<wchar_t>(static_cast<uint8_t>(bytes[i + 1]) |
                                         static_cast<uint8_t>(bytes[i + 2]) << 8);
            i += 2;
        } else {
            utf8 += bytes[i];
        }
    }
    return text + pelsdk::platform::utf8_to_wide(utf8);
}

memory_registry::view any_view(FuzzedDataProvider& input) {
    return input.ConsumeBool() ? memory_registry::view::wow_32 : memory_registry::view::native_64;
}

memory_registry::value_type any_type(FuzzedDataProvider& input) {
    return input.PickValueInArray({memory_registry::value_type::string,
                                   memory_registry::value_type::expandable_string,
                                   memory_registry::value_type::dword});
}

// Each record: a PluginInstallPath, another value, a failing enumeration or an environment
// variable that expandable values may name.
void fill(memory_registry& keys, FuzzedDataProvider& input) {
    keys.set_default_view(any_view(input));
    while (input.remaining_bytes() > 0) {
        const int record = input.ConsumeIntegralInRange(0, 3);
        const memory_registry::view in = any_view(input);
        const memory_registry::value_type type = any_type(input);
        if (record == 2) {
            keys.fail_enumeration(kVersionsKey, input.ConsumeIntegralInRange(0u, 15u), in);
            continue;
        }
        const std::wstring first = registry_text(input);
        const std::wstring second = registry_text(input);
        if (record == 0) {
            keys.set_value(kVersionsKey + L"\\" + first, L"PluginInstallPath", second, type, in);
        } else if (record == 1) {
            keys.set_value(kVersionsKey + L"\\" + first, second, registry_text(input), type, in);
        } else {
            keys.set_environment(first, second);
        }
    }
}

bool clean_name(const std::string& name) {
    using pelsdk::platform::utf8_to_wide, pelsdk::platform::wide_to_utf8;
    return name.find_first_of(" \t\n\v\f\r") == std::string::npos &&
           wide_to_utf8(utf8_to_wide(name)) == name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static pelsdk::platform::headless_machine machine(
        std::filesystem::temp_directory_path() / "velkor-fuzz-detection", TestImaging());
    memory_registry& keys = machine.keys;
    keys = memory_registry{};
    FuzzedDataProvider input(data, size);
    machine.info.wow64 = input.ConsumeBool();
    fill(keys, input);

    pelsdk::platform::services& os = machine.services_of();
    ThreadWorkData detected(os);
    const std::vector<VersionEntry> entries = BuildVersionList(detected);

    FUZZ_CHECK(keys.open_key_count() == 0);
    FUZZ_CHECK(detected.versionNames.size() >= 12 && detected.versionNames[11] == "Custom");
    for (size_t i = 12; i < detected.versionNames.size(); ++i) {
        FUZZ_CHECK(clean_name(detected.versionNames[i]));
    }
    FUZZ_CHECK(!entries.empty() && entries.back().index == kCustomVersionIndex);
    for (size_t i = 0; i + 1 < entries.size(); ++i) {
        const VersionEntry& entry = entries[i];
        FUZZ_CHECK(static_cast<size_t>(entry.index) < detected.versionNames.size());
        FUZZ_CHECK(entry.index >= 5 && entry.index != kCustomVersionIndex);  // CS3 to CS6: never
        FUZZ_CHECK(!entry.pluginFolder.empty());
        FUZZ_CHECK(entry.pluginFolder.find(L'/') == std::wstring::npos);
        FUZZ_CHECK(i == 0 || entries[i - 1].index < entry.index);
    }
    return 0;
}
