#include <gtest/gtest.h>

#include "installer/ui/entry_point.h"
#include "tests/support/headless_scene.h"

namespace {

using EntryPoint = HeadlessTest;

TEST_F(EntryPoint, RunsOnlyWithCaseSensitiveUacElseRelaunchesElevated) {
    struct Case {
        std::wstring commandLine;
        bool launchSucceeds;
        bool runsInstaller;
        int exitCode;
    };
    const Case cases[] = {
        {L"/UAC", true, true, 0},
        {L"abc/UACdef", true, true, 0},  // a substring anywhere counts
        {L"/uac", true, false, 0},
        {L"\"C:\\Downloads\\setup.exe\" /quiet", false, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.commandLine));
        // Each start is a process of its own: the installer name of the last one is free.
        machine.locks.held.clear();
        machine.launcher.elevated_launches.clear();
        machine.launcher.launch_succeeds = c.launchSucceeds;
        const size_t opensBefore = machine.keys.opened_with().size();

        EXPECT_EQ(InstallerMain(c.commandLine, os), c.exitCode);

        // The installer run detects versions; a relaunch touches nothing else.
        EXPECT_EQ(machine.keys.opened_with().size() > opensBefore, c.runsInstaller);
        // The twin always gets exactly "/UAC", never the first instance's arguments.
        const std::vector<std::wstring> relaunched =
            c.runsInstaller ? std::vector<std::wstring>{} : std::vector<std::wstring>{L"/UAC"};
        EXPECT_EQ(machine.launcher.elevated_launches, relaunched);
    }
}

}  // namespace
