// The shipped VelkorInstaller.exe, started as a user would start it.
#include <gtest/gtest.h>

#include "tests/e2e/installer_process.h"
#include "tests/e2e/screen.h"

namespace {

TEST(InstallerStart, RelaunchesElevatedAndShowsTheCentredWindow) {
    ASSERT_EQ(FindWindowW(nullptr, kInstallerTitle), nullptr) << "an installer is already running";
    HANDLE first = StartInstaller(InstallerPath(), L"");
    ASSERT_NE(first, nullptr);
    // The first instance only starts its twin and ends at once.
    EXPECT_EQ(RunToEnd(first, 20000), 0u);
    CloseHandle(first);

    HWND installer = WaitForInstallerWindow(30000);
    ASSERT_NE(installer, nullptr) << "the elevated twin shows the installer";
    const Placement placed = PlacementOf(installer);
    EXPECT_EQ(placed.width, 1024);
    EXPECT_EQ(placed.height, 610);
    EXPECT_LE(placed.off_centre_x, 1);
    EXPECT_LE(placed.off_centre_y, 1);

    // The frame: dark header and footer bands, the blue NEXT pill, BACK disabled on Welcome.
    struct Spot {
        const char* what;
        int x, y;
        uint32_t colour;
    };
    const Spot spots[] = {
        {"header band", 500, 30, 0x121212},
        {"footer band", 470, 600, 0x121212},
        {"NEXT pill", 840, 585, 0x068DDD},
        {"BACK pill, disabled", 660, 585, 0x171717},
        {"CANCEL pill", 520, 585, 0x242424},
    };
    for (const Spot& spot : spots) {
        // The first frame may still be on its way to the screen.
        for (int waited = 0; waited < 3000 && !Near(PixelAt(installer, spot.x, spot.y), spot.colour);
             waited += 100) {
            Sleep(100);
        }
        EXPECT_TRUE(Near(PixelAt(installer, spot.x, spot.y), spot.colour))
            << spot.what << ": " << std::hex << PixelAt(installer, spot.x, spot.y);
    }

    EXPECT_EQ(CloseInstallerWindow(installer), 0u);
}

TEST(InstallerStart, UacAnywhereRunsTheInstallerDirectly) {
    HANDLE process = StartInstaller(InstallerPath(), L"--from-setup/UAC");
    ASSERT_NE(process, nullptr);
    HWND installer = WaitForInstallerWindow(30000);
    ASSERT_NE(installer, nullptr);
    DWORD owner_id = 0;
    GetWindowThreadProcessId(installer, &owner_id);
    EXPECT_EQ(owner_id, GetProcessId(process)) << "no relaunch: this process shows the window";
    PostMessageW(installer, WM_CLOSE, 0, 0);
    EXPECT_EQ(RunToEnd(process, 20000), 0u);
    CloseHandle(process);
}

}  // namespace
