// The installer as a user goes through it, by pointer clicks on the real window: the pages, the
// install into the registered After Effects versions, a failed target and the finish. With
// VELKOR_SCREENSHOTS set, each page is saved as a picture on the way (./run's walk-through).
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/e2e/installed_plugin.h"
#include "tests/e2e/installer_process.h"
#include "tests/e2e/registered_versions.h"
#include "tests/e2e/screen.h"

namespace {

namespace fs = std::filesystem;

// Places in the 1024 x 610 client area (dips are pixels at 96 DPI).
constexpr POINT kFooterLink{285, 584};
constexpr POINT kBack{699, 585};
constexpr POINT kNext{899, 585};
// Where the pointer rests between clicks, so that no hover look hides a button's state.
constexpr POINT kRest{200, 300};
// Pill colours sampled left of their captions.
constexpr POINT kBackPill{660, 585};
constexpr POINT kNextPill{830, 585};
constexpr uint32_t kEnabledAccent = 0x068DDD, kEnabledPlain = 0x242424, kDisabled = 0x171717;
// Right of the license text and left of its scroll bar: white only on the License page.
constexpr POINT kLicenseMargin{1003, 312};
// The column of the pages other than License: right of the banner, between the bands.
constexpr RECT kPageColumn{520, 64, 954, 560};

void Press(HWND window, POINT at) {
    ClickAt(window, at.x, at.y);
    MovePointer(window, kRest.x, kRest.y);
}

bool ShowsColour(HWND window, POINT at, uint32_t colour) {
    return WaitForColour(window, at.x, at.y, colour);
}

// The pixels of the page column in a colour: the result lines' marks.
int CountInColumn(HWND window, uint32_t colour) {
    return CaptureClient(window).Count(kPageColumn, colour, 8);
}

// How many rows the page title's white ink spans: the first white block of the column, which
// ends where a dozen rows hold no white (the ticks of the result lines are white too, lower).
// "Mission Success!" fits one line; the installer's name, the title otherwise, takes two.
int TitleInkRows(HWND window) {
    const ClientPicture picture = CaptureClient(window);
    const auto white_row = [&](int y) {
        for (int x = kPageColumn.left; x < kPageColumn.right; ++x)
            if (Near(picture.At(x, y), 0xFFFFFF, 20)) return true;
        return false;
    };
    int first = -1, last = -1;
    for (int y = kPageColumn.top; y < kPageColumn.bottom && (last < 0 || y - last < 12); ++y) {
        if (!white_row(y)) continue;
        if (first < 0) first = y;
        last = y;
    }
    return first < 0 ? 0 : last - first + 1;
}
constexpr int kOneTitleLine = 32;

// From Welcome to the finished Installing page; the License page is opened and left on the way.
// With `pictures`, each page is saved on the way.
void GoThroughToTheInstall(HWND installer, bool pictures) {
    const auto save = [&](const char* name) {
        if (pictures) SaveScreenshot(installer, name);
    };
    // A first click on the banner, where nothing reacts, brings the window to the front: under
    // Wine without a window manager the click that activates a window can be lost.
    Press(installer, kRest);
    ASSERT_TRUE(ShowsColour(installer, kNextPill, kEnabledAccent)) << "Welcome: I AGREE";
    ASSERT_TRUE(ShowsColour(installer, kBackPill, kDisabled)) << "Welcome: BACK disabled";
    save("1-welcome");

    Press(installer, kFooterLink);
    ASSERT_TRUE(ShowsColour(installer, kLicenseMargin, 0xFFFFFF)) << "the License page";
    save("2-license");
    Press(installer, kBack);
    ASSERT_TRUE(WaitUntil(
        [&] { return !Near(PixelAt(installer, kLicenseMargin.x, kLicenseMargin.y), 0xFFFFFF); },
        10000))
        << "back on Welcome";
    ASSERT_TRUE(ShowsColour(installer, kBackPill, kDisabled)) << "Welcome again, not Versions";

    Press(installer, kNext);
    ASSERT_TRUE(ShowsColour(installer, kBackPill, kEnabledPlain)) << "the Versions page";
    save("3-versions");

    Press(installer, kNext);
    ASSERT_TRUE(ShowsColour(installer, kBackPill, kDisabled)) << "the Installing page";
    save("4-installing");
}

TEST(Walkthrough, InstallsIntoEveryRegisteredVersionAndFinishes) {
    ASSERT_EQ(FindWindowW(nullptr, kInstallerTitle), nullptr) << "an installer is already running";
    RegisteredVersions versions{L"13.8", L"14.0", L"15.0"};
    HANDLE first = StartInstaller(InstallerPath(), L"");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(RunToEnd(first, 20000), 0u);
    CloseHandle(first);
    HWND installer = WaitForInstallerWindow(30000);
    ASSERT_NE(installer, nullptr) << "the elevated twin shows the installer";
    const Placement placed = PlacementOf(installer);
    EXPECT_EQ(placed.width, 1024);
    EXPECT_EQ(placed.height, 610);
    EXPECT_LE(placed.off_centre_x, 1);
    EXPECT_LE(placed.off_centre_y, 1);
    HANDLE elevated = ProcessOf(installer);

    GoThroughToTheInstall(installer, true);
    EXPECT_TRUE(ShowsColour(installer, kNextPill, kEnabledAccent)) << "FINISH";
    // FINISH is painted before the title and the result lines: the page is saved once they are.
    EXPECT_TRUE(WaitUntil(
        [&] {
            return TitleInkRows(installer) <= kOneTitleLine &&
                   CountInColumn(installer, 0x068DDD) > 100;
        },
        10000))
        << "Mission Success! over the installed lines";
    SaveScreenshot(installer, "5-finished");
    for (const fs::path& folder : versions.folders) EXPECT_TRUE(Installed(folder)) << folder;
    EXPECT_GT(CountInColumn(installer, 0x068DDD), 100) << "installed marks";
    EXPECT_EQ(CountInColumn(installer, 0xC44E44), 0) << "no failed mark";

    Press(installer, kNext);
    EXPECT_EQ(RunToEnd(elevated, 20000), 0u);
    CloseHandle(elevated);
}

TEST(Walkthrough, AFolderThatCannotBeWrittenOffersARetryAndNoFinishesWithItsFailure) {
    RegisteredVersions versions{L"14.0", L"15.0"};
    // A folder where the plug-in file belongs: the file cannot be created.
    fs::create_directories(versions.folders[1] / L"Quintrel" / L"Velkor.aex");
    HANDLE process = StartInstaller(InstallerPath(), L"/UAC");
    ASSERT_NE(process, nullptr);
    HWND installer = WaitForInstallerWindow(30000);
    ASSERT_NE(installer, nullptr);

    GoThroughToTheInstall(installer, false);
    // The popup's native window exists, hidden, before it is shown: wait for its first frame.
    HWND popup = nullptr;
    RECT client{};
    ASSERT_TRUE(WaitUntil(
        [&] {
            popup = FindWindowW(nullptr, L"Failed to install");
            return popup && IsWindowVisible(popup) && GetClientRect(popup, &client) &&
                   Near(PixelAt(popup, client.right / 2 - 60, client.bottom - 35), kEnabledAccent);
        },
        10000))
        << "the popup with YES";
    SaveScreenshot(installer, "6-failure");
    // NO stands right of the centre, in the button row 20 dips above the popup's bottom.
    Press(popup, {client.right / 2 + 60, client.bottom - 35});

    ASSERT_TRUE(ShowsColour(installer, kNextPill, kEnabledAccent)) << "FINISH after NO";
    EXPECT_GT(TitleInkRows(installer), kOneTitleLine) << "no Mission Success!";
    EXPECT_TRUE(Installed(versions.folders[0]));
    EXPECT_FALSE(Installed(versions.folders[1]));
    EXPECT_GT(CountInColumn(installer, 0xC44E44), 10) << "the failed line's mark";
    EXPECT_GT(CountInColumn(installer, 0x068DDD), 100) << "the installed line's mark";
    Press(installer, kNext);
    EXPECT_EQ(RunToEnd(process, 20000), 0u);
    CloseHandle(process);
}

}  // namespace
