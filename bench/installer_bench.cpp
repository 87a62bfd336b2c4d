// Building the installer window with all its pages, headless: the share of the start-up that is
// the installer's own work rather than the system's.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "installer/ui/installer_ui.h"
#include "tests/support/test_imaging.h"

namespace {

void BuildInstallerWindow(benchmark::State& state) {
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "velkor-bench";
    pelsdk::platform::headless_machine machine(root, TestImaging());
    for (const wchar_t* version : {L"15.0", L"16.0", L"17.0"}) {
        machine.keys.set_value(std::wstring(L"SOFTWARE\\Adobe\\After Effects\\") + version,
                               L"PluginInstallPath", L"C:\\AE\\Plug-ins");
    }
    for (auto _ : state) {
        InstallerUI installer(machine.services_of());
        benchmark::DoNotOptimize(&installer);
    }
    std::filesystem::remove_all(root);
}
BENCHMARK(BuildInstallerWindow)->Unit(benchmark::kMillisecond);

}  // namespace
